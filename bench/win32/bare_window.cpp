// The floor for the Windows program's start-up: a plain Win32 window of Kavrena's size and frame
// that shows one Chinese label in the system's message font, and nothing else. Built a second
// time with KAVRENA_WITH_LIST_VIEW, it shows a list view with check boxes and eighteen rows too:
// the cost of the one control the program cannot do without.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"BareWindow";
    RegisterClassExW(&windowClass);
    const HWND window = CreateWindowExW(
        0, L"BareWindow", L"Bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
        CW_USEDEFAULT, 218, 357, nullptr, nullptr, instance, nullptr);
    const HWND label =
        CreateWindowExW(0, L"STATIC", L"Varnoth倾情奉献", WS_CHILD | WS_VISIBLE | SS_CENTER, 116,
                        265, 84, 35, window, nullptr, instance, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    SendMessageW(label, WM_SETFONT,
                 reinterpret_cast<WPARAM>(CreateFontIndirectW(&metrics.lfMessageFont)), FALSE);
#ifdef KAVRENA_WITH_LIST_VIEW
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const HWND list =
        CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 8,
                        8, 95, 314, window, nullptr, instance, nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 70;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (int row = 0; row < 18; ++row) {
        wchar_t text[] = L"数据";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
#endif
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
