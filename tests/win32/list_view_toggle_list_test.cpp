// The ToggleList rules on the Windows list view, with the user's click on a row's check box.
#include "support/toggle_list_contract.h"
#include "win32/list_view_toggle_list.h"

#include <commctrl.h>

namespace kavrena::testing {
namespace {

class Win32ListViewUnderTest final : public ToggleListUnderTest {
public:
    Win32ListViewUnderTest()
        : parent_(CreateWindowExW(0, WC_STATICW, L"", WS_OVERLAPPED, 0, 0, 200, 400, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr))
        , view_(createPanelListView(parent_, 1, RECT{8, 8, 103, 322}))
        , list_(view_) {}
    ~Win32ListViewUnderTest() override { DestroyWindow(parent_); }
    Win32ListViewUnderTest(const Win32ListViewUnderTest&) = delete;
    Win32ListViewUnderTest& operator=(const Win32ListViewUnderTest&) = delete;

    ToggleList& list() override { return list_; }

    // A left click on the row's box: the state image at the left end of the row.
    void userClicksBox(int row) override {
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        SendMessageW(view_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&bounds));
        const LPARAM at = MAKELPARAM(bounds.left + 8, (bounds.top + bounds.bottom) / 2);
        SendMessageW(view_, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(view_, WM_LBUTTONUP, 0, at);
    }

private:
    HWND parent_;
    HWND view_;
    ListViewToggleList list_;
};

INSTANTIATE_TEST_SUITE_P(Win32, ToggleListContract,
                         ::testing::Values(ToggleListImplementation{
                             "ListViewToggleList",
                             [] { return std::make_unique<Win32ListViewUnderTest>(); }}),
                         implementationName);

} // namespace
} // namespace kavrena::testing
