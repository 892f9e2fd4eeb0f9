#include "in_memory_toggle_list.h"

namespace kavrena {

InMemoryToggleList::InMemoryToggleList(Selection selection, int capacity)
    : selection_(selection)
    , capacity_(capacity) {}

int InMemoryToggleList::rowCount() const {
    return static_cast<int>(rows_.size());
}

int InMemoryToggleList::appendRow() {
    if (rowCount() >= capacity_)
        return -1;
    rows_.emplace_back();
    return rowCount() - 1;
}

std::string InMemoryToggleList::cellText(int row, int column) const {
    if (!contains(row))
        return {};
    const ToggleRow& cells = rows_[static_cast<std::size_t>(row)];
    return column == kHiddenColumn ? cells.hiddenText : cells.labelText;
}

void InMemoryToggleList::setText(int row, int column, std::string_view text) {
    if (!contains(row))
        return;
    ToggleRow& cells = rows_[static_cast<std::size_t>(row)];
    (column == kHiddenColumn ? cells.hiddenText : cells.labelText) = text;
}

bool InMemoryToggleList::isTicked(int row) const {
    return contains(row) && rows_[static_cast<std::size_t>(row)].ticked;
}

void InMemoryToggleList::setTicked(int row, bool ticked) {
    if (contains(row))
        rows_[static_cast<std::size_t>(row)].ticked = ticked;
}

int InMemoryToggleList::selectedCount() const {
    return static_cast<int>(selectedRows().size());
}

std::vector<int> InMemoryToggleList::selectedRows() const {
    std::vector<int> selected;
    for (int row = 0; row < rowCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)].selected)
            selected.push_back(row);
    }
    return selected;
}

void InMemoryToggleList::selectRow(int row) {
    if (!contains(row))
        return;
    if (selection_ == Selection::Single) {
        for (ToggleRow& other : rows_)
            other.selected = false;
    }
    rows_[static_cast<std::size_t>(row)].selected = true;
    currentRow_ = row;
}

void InMemoryToggleList::deselectRow(int row) {
    if (contains(row))
        rows_[static_cast<std::size_t>(row)].selected = false;
}

void InMemoryToggleList::takeFocus() {
    hasFocus_ = true;
}

} // namespace kavrena
