// The ordered rows the user arranges and ticks. Every command reaches the rows through these
// operations at the moment it runs; whatever obeys their rules can stand behind them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavrena {

inline constexpr int kLabelColumn = 0;
// A second text cell that is never shown; the reordering commands carry it along.
inline constexpr int kHiddenColumn = 1;

struct ToggleRow {
    std::string labelText;
    std::string hiddenText;
    bool ticked = false;
    bool selected = false;
};

// Row numbers are 0-based. At most one row is selected in the window's list; the operations
// are stated for any number so that the reordering commands can be proven on more.
class ToggleList {
public:
    virtual ~ToggleList() = default;

    virtual int rowCount() const = 0;
    // Adds an empty, unticked, unselected row at the end; its number, or -1 when the list is full.
    virtual int appendRow() = 0;
    // The caller's own copy of the cell; the empty text for a row outside the list.
    std::string text(int row, int column = kLabelColumn) const { return cellText(row, column); }
    // Changes only the cell: the row's tick and selection stay. A row past the end is ignored.
    virtual void setText(int row, int column, std::string_view text) = 0;
    // False for a row outside the list.
    virtual bool isTicked(int row) const = 0;
    virtual void setTicked(int row, bool ticked) = 0;
    virtual int selectedCount() const = 0;
    // Ascending.
    virtual std::vector<int> selectedRows() const = 0;
    // Selects the row, makes it the current row and, in a single-selection list, deselects the
    // others. A negative row is ignored.
    virtual void selectRow(int row) = 0;
    // Clears the row's selection and nothing else. A negative row is ignored.
    virtual void deselectRow(int row) = 0;
    // Gives the keyboard focus to the list, which then shows its selection.
    virtual void takeFocus() = 0;

protected:
    virtual std::string cellText(int row, int column) const = 0;
};

// Fills an empty list with the catalogue: eighteen ticked rows in catalogue order, none selected.
void fillDefaultRows(ToggleList& rows);

} // namespace kavrena
