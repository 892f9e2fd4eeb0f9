// The ToggleList of the main window: its rows are the items of a SysListView32, which is their
// only store. A tick is the item's state image 2; the list view has one column, so the second
// text cell is never kept.
#pragma once

#include "model/toggle_list.h"

#include <windows.h>

namespace kavrena {

// The toggle list as the window shows it: report view with one column "名称" 70 pixels wide and
// no header, a check box per row, one selected row, shown only while the list has the focus,
// a sunken border, black text on white. Null when Windows refuses it.
HWND createPanelListView(HWND parent, int id, const RECT& place);

class ListViewToggleList final : public ToggleList {
public:
    explicit ListViewToggleList(HWND view = nullptr)
        : view_(view) {}

    int rowCount() const override;
    int appendRow() override;
    void setText(int row, int column, std::string_view text) override;
    bool isTicked(int row) const override;
    void setTicked(int row, bool ticked) override;
    int selectedCount() const override;
    std::vector<int> selectedRows() const override;
    void selectRow(int row) override;
    void deselectRow(int row) override;
    void takeFocus() override;

protected:
    std::string cellText(int row, int column) const override;

private:
    bool contains(int row) const { return row >= 0 && row < rowCount(); }
    void setState(int row, UINT state, UINT mask);

    HWND view_;
};

} // namespace kavrena
