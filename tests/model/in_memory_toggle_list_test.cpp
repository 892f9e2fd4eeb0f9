#include "model/in_memory_toggle_list.h"

#include "support/toggle_list_contract.h"

#include <gmock/gmock.h>

namespace kavrena::testing {
namespace {

class InMemoryUnderTest final : public ToggleListUnderTest {
public:
    ToggleList& list() override { return list_; }
    void userClicksBox(int row) override { list_.setTicked(row, !list_.isTicked(row)); }

private:
    InMemoryToggleList list_;
};

INSTANTIATE_TEST_SUITE_P(InMemory, ToggleListContract,
                         ::testing::Values(ToggleListImplementation{
                             "InMemory", [] { return std::make_unique<InMemoryUnderTest>(); }}),
                         implementationName);

TEST(InMemoryToggleList, FullListRefusesRowsAndDefaultFillStopsQuietly) {
    InMemoryToggleList list(InMemoryToggleList::Selection::Single, 5);
    fillDefaultRows(list);
    EXPECT_EQ(list.rowCount(), 5);
    EXPECT_EQ(list.appendRow(), -1);
    EXPECT_EQ(list.text(4), "手电筒");
    EXPECT_EQ(list.text(5), "");
}

TEST(InMemoryToggleList, MultipleSelectionKeepsEverySelectedRowInOrder) {
    InMemoryToggleList list(InMemoryToggleList::Selection::Multiple);
    fillDefaultRows(list);
    list.selectRow(5);
    list.selectRow(2);
    EXPECT_THAT(list.selectedRows(), ::testing::ElementsAre(2, 5));
    EXPECT_EQ(list.currentRow(), 2);
}

TEST(InMemoryToggleList, HiddenColumnHoldsItsOwnText) {
    InMemoryToggleList list;
    list.appendRow();
    list.setText(0, kHiddenColumn, "note");
    EXPECT_EQ(list.text(0, kHiddenColumn), "note");
    EXPECT_EQ(list.text(0), "");
}

} // namespace
} // namespace kavrena::testing
