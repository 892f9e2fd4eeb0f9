#include "row_reordering.h"

#include <algorithm>
#include <functional>
#include <string>

namespace kavrena {

RowReordering::RowReordering(ToggleList& rows, InformationBox& box)
    : rows_(rows)
    , box_(box) {}

void RowReordering::moveSelectionUp() {
    moveSelection(Direction::Up);
}

void RowReordering::moveSelectionDown() {
    moveSelection(Direction::Down);
}

// Stated for any number of selected rows. Walking them towards the edge they move to, a run of
// adjacent rows moves as a block; the boundary row, if selected, comes first and stops
// everything before any row has changed.
void RowReordering::moveSelection(Direction direction) {
    if (rows_.selectedCount() == 0)
        return;
    std::vector<int> workingSet = rows_.selectedRows();
    const int step = direction == Direction::Up ? -1 : 1;
    if (direction == Direction::Up)
        std::ranges::sort(workingSet);
    else
        std::ranges::sort(workingSet, std::greater<>());

    for (const int row : workingSet) {
        const bool atBoundary = direction == Direction::Up ? row == 0 : row == rows_.rowCount() - 1;
        if (atBoundary) {
            box_.show(direction == Direction::Up ? kAtTopMessage : kAtBottomMessage, kCaption);
            rows_.takeFocus();
            return;
        }
        exchangeTexts(row, row + step);
    }
    for (const int row : workingSet) {
        rows_.deselectRow(row);
        rows_.selectRow(row + step);
    }
    rows_.takeFocus();
}

void RowReordering::exchangeTexts(int row, int neighbour) {
    const std::string label = rows_.text(row, kLabelColumn);
    const std::string hidden = rows_.text(row, kHiddenColumn);
    rows_.setText(row, kLabelColumn, rows_.text(neighbour, kLabelColumn));
    rows_.setText(row, kHiddenColumn, rows_.text(neighbour, kHiddenColumn));
    rows_.setText(neighbour, kLabelColumn, label);
    rows_.setText(neighbour, kHiddenColumn, hidden);
}

} // namespace kavrena
