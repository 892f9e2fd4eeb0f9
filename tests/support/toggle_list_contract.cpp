#include "toggle_list_contract.h"

#include "model/toggle_catalogue.h"

#include <gmock/gmock.h>

namespace kavrena::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_P(ToggleListContract, EmptyListAnswersForRowsThatDoNotExist) {
    EXPECT_EQ(list().rowCount(), 0);
    EXPECT_EQ(list().text(0), "");
    EXPECT_FALSE(list().isTicked(0));
    EXPECT_EQ(list().selectedCount(), 0);
    EXPECT_THAT(list().selectedRows(), IsEmpty());
}

TEST_P(ToggleListContract, AppendedRowIsEmptyUntickedAndUnselected) {
    EXPECT_EQ(list().appendRow(), 0);
    EXPECT_EQ(list().appendRow(), 1);
    EXPECT_EQ(list().rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(list().text(row, kLabelColumn), "");
        EXPECT_EQ(list().text(row, kHiddenColumn), "");
        EXPECT_FALSE(list().isTicked(row));
    }
    EXPECT_EQ(list().selectedCount(), 0);
}

TEST_P(ToggleListContract, DefaultRowsAreTheCatalogueTickedAndUnselected) {
    fillDefaultRows(list());
    const char* const expectedLabels[] = {
        "WIFI", "数据", "3G",       "清理",   "手电筒", "亮度",     "GPS",  "蓝牙", "主屏幕",
        "锁屏", "声音", "自动锁定", "方向锁", "飞行",   "图标修复", "注销", "重启", "关机"};
    ASSERT_EQ(list().rowCount(), 18);
    for (int row = 0; row < 18; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list().text(row), expectedLabels[row]);
        EXPECT_TRUE(textEquals(list().text(row), ToggleCatalogue::entryAt(row + 1).label));
        EXPECT_EQ(list().text(row, kHiddenColumn), "");
        EXPECT_TRUE(list().isTicked(row));
    }
    EXPECT_EQ(list().selectedCount(), 0);
    EXPECT_EQ(list().text(18), "");
    EXPECT_FALSE(list().isTicked(18));
}

TEST_P(ToggleListContract, SetTextChangesOnlyTheCell) {
    fillDefaultRows(list());
    list().setTicked(1, false);
    list().selectRow(1);

    // Exchanging two texts leaves both ticks and the selection where they were.
    const std::string top = list().text(0);
    list().setText(0, kLabelColumn, list().text(1));
    list().setText(1, kLabelColumn, top);

    EXPECT_EQ(list().text(0), "数据");
    EXPECT_EQ(list().text(1), "WIFI");
    EXPECT_TRUE(list().isTicked(0));
    EXPECT_FALSE(list().isTicked(1));
    EXPECT_THAT(list().selectedRows(), ElementsAre(1));
}

TEST_P(ToggleListContract, TextIsTheCallersCopyAndKeptWhole) {
    list().appendRow();
    const std::string longText(100'000, 'x');
    list().setText(0, kLabelColumn, longText);
    const std::string copy = list().text(0);
    list().setText(0, kLabelColumn, "WIFI");
    EXPECT_EQ(copy, longText);
    EXPECT_EQ(list().text(0), "WIFI");
}

TEST_P(ToggleListContract, RowsPastTheEndAreLeftAlone) {
    fillDefaultRows(list());
    list().setText(18, kLabelColumn, "WIFI");
    list().setTicked(18, true);
    EXPECT_EQ(list().rowCount(), 18);
    EXPECT_EQ(list().text(18), "");
    EXPECT_FALSE(list().isTicked(18));
}

TEST_P(ToggleListContract, SetTickedChangesOnlyTheTick) {
    fillDefaultRows(list());
    list().selectRow(4);
    list().setTicked(4, false);
    EXPECT_FALSE(list().isTicked(4));
    EXPECT_EQ(list().text(4), "手电筒");
    EXPECT_THAT(list().selectedRows(), ElementsAre(4));
    list().setTicked(4, true);
    EXPECT_TRUE(list().isTicked(4));
}

TEST_P(ToggleListContract, SelectingARowDeselectsTheOther) {
    fillDefaultRows(list());
    list().selectRow(5);
    list().selectRow(3);
    EXPECT_EQ(list().selectedCount(), 1);
    EXPECT_THAT(list().selectedRows(), ElementsAre(3));

    list().selectRow(-1);
    list().deselectRow(-1);
    list().deselectRow(7);
    EXPECT_THAT(list().selectedRows(), ElementsAre(3));

    list().deselectRow(3);
    EXPECT_EQ(list().selectedCount(), 0);
    EXPECT_THAT(list().selectedRows(), IsEmpty());
}

TEST_P(ToggleListContract, TheUsersClickOnABoxIsWhatIsTickedReads) {
    fillDefaultRows(list());
    userClicksBox(2);
    EXPECT_FALSE(list().isTicked(2));
    EXPECT_TRUE(list().isTicked(1));
    EXPECT_TRUE(list().isTicked(3));
    userClicksBox(2);
    EXPECT_TRUE(list().isTicked(2));
}

} // namespace
} // namespace kavrena::testing
