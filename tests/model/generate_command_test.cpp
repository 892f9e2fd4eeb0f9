#include "model/generate_command.h"

#include "model/in_memory_toggle_list.h"
#include "support/plist_reader.h"
#include "support/recording_services.h"

#include <gmock/gmock.h>

namespace kavrena::testing {
namespace {

using ::testing::ElementsAre;

std::vector<ParsedPanel> panelsBuiltFrom(const ToggleList& rows) {
    auto panels = parsePanelList(GenerateCommand::buildDocument(rows).toText());
    EXPECT_TRUE(panels.has_value());
    return panels.value_or(std::vector<ParsedPanel>{});
}

std::vector<ParsedPanel> catalogueOrder(int visible) {
    std::vector<ParsedPanel> panels;
    for (int position = 1; position <= ToggleCatalogue::entryCount(); ++position) {
        const ToggleKey key = ToggleCatalogue::entryAt(position).key;
        panels.push_back(expectedPanel(key.word(), key == kAlwaysVisibleKey ? 1 : visible));
    }
    return panels;
}

class BuildDocument : public ::testing::Test {
protected:
    BuildDocument() { fillDefaultRows(rows); }
    InMemoryToggleList rows;
};

TEST_F(BuildDocument, DefaultRowsGiveEveryToggleVisibleInCatalogueOrder) {
    EXPECT_EQ(panelsBuiltFrom(rows), catalogueOrder(1));
    EXPECT_EQ(GenerateCommand::buildDocument(rows).toText().size(), 4152u);
}

TEST_F(BuildDocument, UntickedRowsAreHiddenExceptTheLockScreen) {
    for (int row = 0; row < rows.rowCount(); ++row)
        rows.setTicked(row, false);
    EXPECT_EQ(panelsBuiltFrom(rows), catalogueOrder(0));
    EXPECT_EQ(GenerateCommand::buildDocument(rows).toText().size(), 4152u);
}

TEST_F(BuildDocument, UntickingOnlyTheLockScreenChangesNothing) {
    const std::string before = GenerateCommand::buildDocument(rows).toText();
    rows.setTicked(9, false);
    EXPECT_EQ(GenerateCommand::buildDocument(rows).toText(), before);
}

TEST_F(BuildDocument, EntriesFollowTheTextsAndTicksFollowThePositions) {
    // "关机" exchanged with the top row, whose tick is off.
    rows.setText(17, kLabelColumn, "WIFI");
    rows.setText(0, kLabelColumn, "关机");
    rows.setTicked(0, false);
    const auto panels = panelsBuiltFrom(rows);
    ASSERT_EQ(panels.size(), 18u);
    EXPECT_EQ(panels.front(), expectedPanel("shutdown", 0));
    EXPECT_EQ(panels[1], expectedPanel("data", 1));
    EXPECT_EQ(panels.back(), expectedPanel("wifi", 1));
}

class UnrecognisedRow : public BuildDocument, public ::testing::WithParamInterface<std::string> {};

TEST_P(UnrecognisedRow, AddsNoEntryAndKeepsTheOthersInOrder) {
    rows.setText(1, kLabelColumn, GetParam());
    auto expected = catalogueOrder(1);
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(panelsBuiltFrom(rows), expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, UnrecognisedRow,
                         ::testing::Values("wifi", "3g", "WIFI ", "", "数据 ", "DATA"));

TEST(BuildDocumentOnEmptyList, GivesTheEmptyDocument) {
    InMemoryToggleList rows;
    EXPECT_EQ(GenerateCommand::buildDocument(rows).toText().size(), 192u);
}

struct PathCase {
    const char* executable;
    char separator;
    const char* runDirectory;
    const char* settingsFile;
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.executable;
}

class RunDirectory : public ::testing::TestWithParam<PathCase> {};

TEST_P(RunDirectory, IsCutAtTheLastSeparatorAndJoinedWithOne) {
    const PathCase& c = GetParam();
    const std::string runDirectory = runDirectoryFromExecutablePath(c.executable, c.separator);
    EXPECT_EQ(runDirectory, c.runDirectory);
    EXPECT_EQ(GenerateCommand::outputPath(runDirectory, c.separator), c.settingsFile);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RunDirectory,
    ::testing::Values(PathCase{"C:\\kavrena.exe", '\\', "C:", "C:\\WeeWindowListSetting.plist"},
                      PathCase{"D:\\Tools\\Kavrena 1.4\\kavrena.exe", '\\',
                               "D:\\Tools\\Kavrena 1.4",
                               "D:\\Tools\\Kavrena 1.4\\WeeWindowListSetting.plist"},
                      PathCase{"/opt/kavrena/bin/kavrena", '/', "/opt/kavrena/bin",
                               "/opt/kavrena/bin/WeeWindowListSetting.plist"},
                      PathCase{"/home/李/测试 目录/kavrena", '/', "/home/李/测试 目录",
                               "/home/李/测试 目录/WeeWindowListSetting.plist"},
                      PathCase{"/kavrena", '/', "", "/WeeWindowListSetting.plist"},
                      PathCase{"kavrena", '/', ".", "./WeeWindowListSetting.plist"}));

class Execute : public ::testing::Test {
protected:
    Execute() { fillDefaultRows(rows); }
    InMemoryToggleList rows;
    RecordingWriter writer;
    RecordingBox box;
    GenerateCommand command{rows, writer, box, "/srv/run dir"};
};

TEST_F(Execute, WritesTheDocumentBesideTheProgramAndReportsSuccess) {
    rows.selectRow(3);
    command.execute();
    EXPECT_EQ(writer.lastPath, "/srv/run dir/WeeWindowListSetting.plist");
    EXPECT_EQ(writer.lastBytes, GenerateCommand::buildDocument(rows).toText());
    EXPECT_THAT(box.shown,
                ElementsAre(ShownMessage{
                    "文件生成成功\r\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctor",
                    "信息"}));
    // The command only reads the rows.
    EXPECT_THAT(rows.selectedRows(), ElementsAre(3));
    EXPECT_FALSE(rows.hasFocus());
}

TEST_F(Execute, ReportsAFailedWrite) {
    writer.succeeds = false;
    command.execute();
    EXPECT_THAT(box.shown, ElementsAre(ShownMessage{"文件生成失败，请联系作者", "信息"}));
}

TEST_F(Execute, EachRunWritesAfreshFromTheRowsOfThatMoment) {
    command.execute();
    const std::string first = writer.lastBytes;
    command.execute();
    EXPECT_EQ(writer.lastBytes, first);
    rows.setTicked(0, false);
    command.execute();
    EXPECT_NE(writer.lastBytes, first);
    EXPECT_EQ(writer.writes, 3);
    EXPECT_EQ(box.shown.size(), 3u);
}

} // namespace
} // namespace kavrena::testing
