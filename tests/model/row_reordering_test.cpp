#include "model/row_reordering.h"

#include "model/in_memory_toggle_list.h"
#include "support/recording_services.h"

#include <gmock/gmock.h>

namespace kavrena::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Selection = InMemoryToggleList::Selection;

std::vector<std::string> labels(const ToggleList& rows) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row)
        texts.push_back(rows.text(row));
    return texts;
}

std::vector<bool> ticks(const ToggleList& rows) {
    std::vector<bool> states;
    states.reserve(static_cast<std::size_t>(rows.rowCount()));
    for (int row = 0; row < rows.rowCount(); ++row)
        states.push_back(rows.isTicked(row));
    return states;
}

class RowReorderingTest : public ::testing::Test {
protected:
    explicit RowReorderingTest(Selection selection = Selection::Single)
        : rows(selection) {
        fillDefaultRows(rows);
        defaultLabels = labels(rows);
    }

    void expectRefused(const std::string& message, const std::vector<int>& selected) {
        EXPECT_THAT(box.shown, ElementsAre(ShownMessage{message, "提示"}));
        EXPECT_EQ(labels(rows), defaultLabels);
        EXPECT_EQ(rows.selectedRows(), selected);
        EXPECT_TRUE(rows.hasFocus());
    }

    InMemoryToggleList rows;
    RecordingBox box;
    RowReordering reordering{rows, box};
    std::vector<std::string> defaultLabels;
};

TEST_F(RowReorderingTest, WithNothingSelectedNothingHappens) {
    reordering.moveSelectionUp();
    reordering.moveSelectionDown();
    EXPECT_EQ(labels(rows), defaultLabels);
    EXPECT_THAT(box.shown, IsEmpty());
    EXPECT_FALSE(rows.hasFocus());
}

TEST_F(RowReorderingTest, TopRowCannotMoveUp) {
    rows.selectRow(0);
    reordering.moveSelectionUp();
    expectRefused("到顶啦！", {0});
}

TEST_F(RowReorderingTest, BottomRowCannotMoveDown) {
    rows.selectRow(17);
    reordering.moveSelectionDown();
    expectRefused("到底啦！", {17});
}

TEST_F(RowReorderingTest, MovingUpExchangesTextsAndTheSelectionFollowsButTicksStay) {
    rows.setTicked(1, false);
    rows.setText(1, kHiddenColumn, "carried along");
    rows.selectRow(1);
    reordering.moveSelectionUp();

    EXPECT_EQ(rows.text(0), "数据");
    EXPECT_EQ(rows.text(1), "WIFI");
    EXPECT_EQ(rows.text(0, kHiddenColumn), "carried along");
    EXPECT_EQ(rows.text(1, kHiddenColumn), "");
    EXPECT_TRUE(rows.isTicked(0));
    EXPECT_FALSE(rows.isTicked(1));
    EXPECT_THAT(rows.selectedRows(), ElementsAre(0));
    EXPECT_EQ(rows.currentRow(), 0);
    EXPECT_TRUE(rows.hasFocus());
    EXPECT_THAT(box.shown, IsEmpty());
}

TEST_F(RowReorderingTest, UpThenDownRestoresEverything) {
    rows.setTicked(6, false);
    rows.selectRow(7);
    reordering.moveSelectionUp();
    reordering.moveSelectionDown();
    EXPECT_EQ(labels(rows), defaultLabels);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(7));
    EXPECT_FALSE(rows.isTicked(6));
}

TEST_F(RowReorderingTest, SeventeenUpsBringTheBottomLabelToTheTopAndTheNextIsRefused) {
    const std::vector<bool> tickedBefore = ticks(rows);
    rows.selectRow(17);
    for (int click = 0; click < 17; ++click)
        reordering.moveSelectionUp();

    std::vector<std::string> expected = {"关机"};
    expected.insert(expected.end(), defaultLabels.begin(), defaultLabels.end() - 1);
    EXPECT_EQ(labels(rows), expected);
    EXPECT_THAT(rows.selectedRows(), ElementsAre(0));
    EXPECT_EQ(ticks(rows), tickedBefore);
    EXPECT_THAT(box.shown, IsEmpty());

    reordering.moveSelectionUp();
    EXPECT_THAT(box.shown, ElementsAre(ShownMessage{"到顶啦！", "提示"}));
    EXPECT_EQ(labels(rows), expected);
}

class SeveralSelectedRows : public RowReorderingTest {
protected:
    SeveralSelectedRows()
        : RowReorderingTest(Selection::Multiple) {}
};

TEST_F(SeveralSelectedRows, ASetHoldingTheTopRowMovesNothing) {
    rows.selectRow(0);
    rows.selectRow(5);
    reordering.moveSelectionUp();
    expectRefused("到顶啦！", {0, 5});
}

TEST_F(SeveralSelectedRows, ASetHoldingTheBottomRowMovesNothing) {
    rows.selectRow(17);
    rows.selectRow(3);
    reordering.moveSelectionDown();
    expectRefused("到底啦！", {3, 17});
}

TEST_F(SeveralSelectedRows, AdjacentRowsMoveUpAsABlock) {
    rows.selectRow(2);
    rows.selectRow(3);
    reordering.moveSelectionUp();
    EXPECT_EQ(rows.text(1), "3G");
    EXPECT_EQ(rows.text(2), "清理");
    EXPECT_EQ(rows.text(3), "数据");
    EXPECT_THAT(rows.selectedRows(), ElementsAre(1, 2));
}

TEST_F(SeveralSelectedRows, ScatteredRowsMoveDownEachByOne) {
    rows.selectRow(2);
    rows.selectRow(3);
    rows.selectRow(9);
    reordering.moveSelectionDown();
    EXPECT_EQ(rows.text(2), "手电筒");
    EXPECT_EQ(rows.text(3), "3G");
    EXPECT_EQ(rows.text(4), "清理");
    EXPECT_EQ(rows.text(9), "声音");
    EXPECT_EQ(rows.text(10), "锁屏");
    EXPECT_THAT(rows.selectedRows(), ElementsAre(3, 4, 10));
}

} // namespace
} // namespace kavrena::testing
