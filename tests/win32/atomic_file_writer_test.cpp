// The file write on the Windows API, with the faults made for real: a read-only file, a file
// another handle holds open, a missing directory, a directory in the file's place.
#include "win32/atomic_file_writer.h"

#include "support/default_rows.h"
#include "support/scratch_directory.h"
#include "win32/executable_location.h"
#include "win32/wide_text.h"

#include <windows.h>

#include <gmock/gmock.h>

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::span<const std::byte> bytesOf(const std::string& text) {
    return std::as_bytes(std::span(text.data(), text.size()));
}

class AtomicWrite : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    fs::path target = scratch.path() / "WeeWindowListSetting.plist";
    const std::string earlier = std::string(10'000, 'e');
    const std::string document = defaultDocument();
    AtomicFileWriter writer;
};

TEST_F(AtomicWrite, ReplacesALongerFileWholeAndLeavesNothingBeside) {
    writeFile(target, earlier);
    ASSERT_TRUE(writer.writeWholeFile(utf8(target), bytesOf(document)));
    EXPECT_EQ(readFile(target), document);
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

TEST_F(AtomicWrite, WritesIntoADirectoryWithAChineseName) {
    const fs::path directory = scratch.path() / u8"测试 目录";
    fs::create_directory(directory);
    ASSERT_TRUE(
        writer.writeWholeFile(utf8(directory / "WeeWindowListSetting.plist"), bytesOf(document)));
    EXPECT_EQ(readFile(directory / "WeeWindowListSetting.plist"), document);
}

TEST_F(AtomicWrite, KeepsAReadOnlyFile) {
    writeFile(target, earlier);
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(writer.writeWholeFile(utf8(target), bytesOf(document)));
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(readFile(target) == earlier) << "the earlier file changed";
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

TEST_F(AtomicWrite, KeepsAFileAnotherProgramHoldsOpen) {
    writeFile(target, earlier);
    // Another program reading the file, sharing reads and writes but not its deletion.
    const HANDLE holder =
        CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(writer.writeWholeFile(utf8(target), bytesOf(document)));
    CloseHandle(holder);
    EXPECT_TRUE(readFile(target) == earlier) << "the earlier file changed";
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));

    EXPECT_TRUE(writer.writeWholeFile(utf8(target), bytesOf(document))) << "once it is closed";
    EXPECT_EQ(readFile(target), document);
}

TEST_F(AtomicWrite, FailsIntoAMissingDirectoryOrOverADirectory) {
    EXPECT_FALSE(writer.writeWholeFile(
        utf8(scratch.path() / "missing" / "WeeWindowListSetting.plist"), bytesOf(document)));
    fs::create_directory(target);
    EXPECT_FALSE(writer.writeWholeFile(utf8(target), bytesOf(document)));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_THAT(scratch.entries(), ElementsAre("WeeWindowListSetting.plist"));
}

TEST(RunDirectory, IsTheDirectoryOfThisProgramWithoutATrailingBackslash) {
    std::wstring self(32'768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    const std::string directory = runDirectoryOfThisProgram();
    EXPECT_FALSE(directory.ends_with('\\'));
    EXPECT_EQ(toWide(directory), self.substr(0, self.rfind(L'\\')));
}

} // namespace
} // namespace kavrena::testing
