// The ToggleList of the main window: its rows are the items of the list view, which is their
// only store. The list view has one column; the second text cell is never kept.
#pragma once

#include "model/toggle_list.h"

class QListWidget;
class QListWidgetItem;

namespace kavrena {

class ListViewToggleList final : public ToggleList {
public:
    explicit ListViewToggleList(QListWidget& view);

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
    // Null for a row outside the list.
    QListWidgetItem* itemAt(int row) const;

    QListWidget& view_;
};

} // namespace kavrena
