#include "qt/save_file_writer.h"

#include "model/generate_command.h"
#include "model/in_memory_toggle_list.h"
#include "support/default_rows.h"
#include "support/recording_services.h"
#include "support/scratch_directory.h"

#include <gmock/gmock.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

std::span<const std::byte> asBytes(const std::string& text) {
    return std::as_bytes(std::span(text.data(), text.size()));
}

class SaveFileWriterOnDisk : public ::testing::Test {
protected:
    bool write(const std::string& content) {
        return SaveFileWriter().writeWholeFile(target.string(), asBytes(content));
    }

    ScratchDirectory scratch;
    fs::path target = scratch.path() / "WeeWindowListSetting.plist";
    const std::string earlier = std::string(10'000, 'e') + "\n";
    const std::string document = defaultDocument();
};

TEST_F(SaveFileWriterOnDisk, CreatesTheFileWithNormalPermissions) {
    const mode_t mask = umask(022);
    EXPECT_TRUE(write(document));
    umask(mask);
    EXPECT_EQ(readFile(target), document);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0644));
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

TEST_F(SaveFileWriterOnDisk, ReplacesALongerEarlierFileWholeAndKeepsItsPermissions) {
    writeFile(target, earlier);
    fs::permissions(target, fs::perms(0640));
    EXPECT_TRUE(write(document));
    EXPECT_EQ(readFile(target), document);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

// Holds for root too, whose own permission checks ignore the mode bits.
TEST_F(SaveFileWriterOnDisk, ReadOnlyEarlierFileFailsAndKeepsItsContent) {
    writeFile(target, earlier);
    fs::permissions(target, fs::perms(0444));
    EXPECT_FALSE(write(document));
    EXPECT_EQ(readFile(target), earlier);
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

TEST_F(SaveFileWriterOnDisk, MissingDirectoryFails) {
    target = scratch.path() / "gone" / "WeeWindowListSetting.plist";
    EXPECT_FALSE(write(document));
    EXPECT_THAT(scratch.entries(), ::testing::IsEmpty());
}

TEST_F(SaveFileWriterOnDisk, DirectoryThatIsAFileFails) {
    writeFile(scratch.path() / "notadir", earlier);
    target = scratch.path() / "notadir" / "WeeWindowListSetting.plist";
    EXPECT_FALSE(write(document));
    EXPECT_EQ(readFile(scratch.path() / "notadir"), earlier);
}

// Root ignores a directory's mode bits, so the attempt runs as an unprivileged user.
TEST_F(SaveFileWriterOnDisk, UnwritableDirectoryFailsAndKeepsTheEarlierFile) {
    writeFile(target, earlier);
    fs::permissions(target, fs::perms(0666));
    fs::permissions(scratch.path(), fs::perms(0555));
    const int status = runInChild([&] {
        if (geteuid() == 0 && setuid(65534) != 0)
            return 3;
        return write(document) ? 1 : 0;
    });
    fs::permissions(scratch.path(), fs::perms(0700));
    EXPECT_EQ(status, 0) << "1: the write succeeded; 3: could not drop root";
    EXPECT_EQ(readFile(target), earlier);
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

// A full disk: the file-size limit makes the write fail part-way, as ENOSPC would.
TEST_F(SaveFileWriterOnDisk, FullDiskKeepsTheEarlierFileAndLeavesNoTemporaryFile) {
    writeFile(target, earlier);
    const int status = runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 3;
        return write(document) ? 1 : 0;
    });
    EXPECT_EQ(status, 0) << "1: the write succeeded; 3: no limit";
    EXPECT_EQ(readFile(target), earlier);
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

TEST(GenerateIntoRealDirectory, WritesTheDefaultDocumentIntoADirectoryWithChineseAndBlank) {
    ScratchDirectory scratch;
    const fs::path runDirectory = scratch.path() / "测试 目录";
    fs::create_directory(runDirectory);
    writeFile(runDirectory / "WeeWindowListSetting.plist", std::string(50'000, 'x'));

    InMemoryToggleList rows;
    fillDefaultRows(rows);
    SaveFileWriter writer;
    RecordingBox box;
    GenerateCommand(rows, writer, box, runDirectory.string()).execute();

    EXPECT_EQ(readFile(runDirectory / "WeeWindowListSetting.plist"),
              GenerateCommand::buildDocument(rows).toText());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, GenerateCommand::kSuccessMessage);
}

TEST(GenerateIntoRealDirectory, ReportsFailureForAMissingDirectory) {
    ScratchDirectory scratch;
    InMemoryToggleList rows;
    SaveFileWriter writer;
    RecordingBox box;
    GenerateCommand(rows, writer, box, (scratch.path() / "gone").string()).execute();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, GenerateCommand::kFailureMessage);
}

} // namespace
} // namespace kavrena::testing
