#include "qt/list_view_toggle_list.h"

#include "support/toggle_list_contract.h"
#include "qt/panel_list_view.h"

#include <QStyleOptionViewItem>
#include <QTest>

namespace kavrena::testing {
namespace {

// Where a person clicks to tick a row: the centre of its check box.
QPoint checkBoxCentre(QListWidget& view, int row) {
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.rect = view.visualItemRect(view.item(row));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return view.style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &view)
        .center();
}

class ListViewUnderTest final : public ToggleListUnderTest {
public:
    ListViewUnderTest() {
        view_.resize(95, 314);
        view_.show();
    }
    ToggleList& list() override { return list_; }
    void userClicksBox(int row) override {
        QTest::mouseClick(view_.viewport(), Qt::LeftButton, {}, checkBoxCentre(view_, row));
    }

private:
    PanelListView view_;
    ListViewToggleList list_{view_};
};

INSTANTIATE_TEST_SUITE_P(ListView, ToggleListContract,
                         ::testing::Values(ToggleListImplementation{
                             "ListView", [] { return std::make_unique<ListViewUnderTest>(); }}),
                         implementationName);

TEST(ListViewToggleList, SelectRowMakesTheRowCurrentAndTakeFocusFocusesTheView) {
    PanelListView view;
    ListViewToggleList rows(view);
    fillDefaultRows(rows);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    rows.selectRow(4);
    EXPECT_EQ(view.currentRow(), 4);
    view.clearFocus();
    rows.takeFocus();
    EXPECT_TRUE(view.hasFocus());
}

} // namespace
} // namespace kavrena::testing
