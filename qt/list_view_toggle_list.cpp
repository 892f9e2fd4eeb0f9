#include "list_view_toggle_list.h"

#include "qt_text.h"

#include <QListWidget>

#include <algorithm>
#include <limits>

namespace kavrena {

ListViewToggleList::ListViewToggleList(QListWidget& view)
    : view_(view) {}

QListWidgetItem* ListViewToggleList::itemAt(int row) const {
    return row >= 0 ? view_.item(row) : nullptr;
}

int ListViewToggleList::rowCount() const {
    return view_.count();
}

int ListViewToggleList::appendRow() {
    if (view_.count() == std::numeric_limits<int>::max())
        return -1;
    auto* item = new QListWidgetItem(&view_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    return view_.count() - 1;
}

std::string ListViewToggleList::cellText(int row, int column) const {
    const QListWidgetItem* item = itemAt(row);
    if (item == nullptr || column != kLabelColumn)
        return {};
    return toUtf8(item->text());
}

void ListViewToggleList::setText(int row, int column, std::string_view text) {
    QListWidgetItem* item = itemAt(row);
    if (item != nullptr && column == kLabelColumn)
        item->setText(toQString(text));
}

bool ListViewToggleList::isTicked(int row) const {
    const QListWidgetItem* item = itemAt(row);
    return item != nullptr && item->checkState() == Qt::Checked;
}

void ListViewToggleList::setTicked(int row, bool ticked) {
    if (QListWidgetItem* item = itemAt(row))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

int ListViewToggleList::selectedCount() const {
    return static_cast<int>(view_.selectedItems().size());
}

std::vector<int> ListViewToggleList::selectedRows() const {
    std::vector<int> rows;
    for (const QListWidgetItem* item : view_.selectedItems())
        rows.push_back(view_.row(item));
    std::ranges::sort(rows);
    return rows;
}

void ListViewToggleList::selectRow(int row) {
    if (itemAt(row) != nullptr)
        view_.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void ListViewToggleList::deselectRow(int row) {
    if (QListWidgetItem* item = itemAt(row))
        item->setSelected(false);
}

void ListViewToggleList::takeFocus() {
    view_.setFocus(Qt::OtherFocusReason);
}

} // namespace kavrena
