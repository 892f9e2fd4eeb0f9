#include "list_view_toggle_list.h"

#include "wide_text.h"

#include <commctrl.h>

namespace kavrena {
namespace {

// The state images of a list view with check boxes.
constexpr UINT kUntickedImage = 1;
constexpr UINT kTickedImage = 2;

constexpr int kColumnWidth = 70;

LRESULT send(HWND view, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(view, message, wParam, lParam);
}

} // namespace

HWND createPanelListView(HWND parent, int id, const RECT& place) {
    const HWND view = CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL, place.left,
        place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (view == nullptr)
        return nullptr;
    // Check boxes before any row exists: turning them on resets every row to unticked.
    send(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    send(view, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
    send(view, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
    send(view, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));

    wchar_t title[] = L"名称";
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = kColumnWidth;
    column.pszText = title;
    if (send(view, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) != 0) {
        DestroyWindow(view);
        return nullptr;
    }
    return view;
}

int ListViewToggleList::rowCount() const {
    return static_cast<int>(send(view_, LVM_GETITEMCOUNT));
}

int ListViewToggleList::appendRow() {
    wchar_t empty[] = L"";
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = rowCount();
    item.pszText = empty;
    const auto row =
        static_cast<int>(send(view_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return -1;
    // A row is inserted without a box until it is given one.
    setState(row, INDEXTOSTATEIMAGEMASK(kUntickedImage), LVIS_STATEIMAGEMASK);
    return row;
}

std::string ListViewToggleList::cellText(int row, int column) const {
    if (!contains(row) || column != kLabelColumn)
        return {};
    // The list view says how much it copied, not how long the text is: grow until it fits.
    std::wstring buffer(64, L'\0');
    for (;;) {
        LVITEMW item{};
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<std::size_t>(send(
            view_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            return toUtf8(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void ListViewToggleList::setText(int row, int column, std::string_view text) {
    if (!contains(row) || column != kLabelColumn)
        return;
    std::wstring wide = toWide(text);
    LVITEMW item{};
    item.pszText = wide.data();
    send(view_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

bool ListViewToggleList::isTicked(int row) const {
    if (!contains(row))
        return false;
    const auto state = static_cast<UINT>(
        send(view_, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return (state & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(kTickedImage);
}

void ListViewToggleList::setTicked(int row, bool ticked) {
    if (contains(row))
        setState(row, INDEXTOSTATEIMAGEMASK(ticked ? kTickedImage : kUntickedImage),
                 LVIS_STATEIMAGEMASK);
}

int ListViewToggleList::selectedCount() const {
    return static_cast<int>(send(view_, LVM_GETSELECTEDCOUNT));
}

std::vector<int> ListViewToggleList::selectedRows() const {
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(
                send(view_, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0)
        rows.push_back(row);
    return rows;
}

void ListViewToggleList::selectRow(int row) {
    if (!contains(row))
        return;
    setState(-1, 0, LVIS_SELECTED);
    setState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void ListViewToggleList::deselectRow(int row) {
    if (contains(row))
        setState(row, 0, LVIS_SELECTED);
}

void ListViewToggleList::takeFocus() {
    SetFocus(view_);
}

// Row -1 is every row.
void ListViewToggleList::setState(int row, UINT state, UINT mask) {
    LVITEMW item{};
    item.state = state;
    item.stateMask = mask;
    send(view_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

} // namespace kavrena
