// Another Windows program beside Kavrena, for the end-to-end tests under Wine: it reads the
// running window from outside and holds a file open as a second program would. Output is UTF-8.
//   kavrena_window_probe window          the main window: outer rectangle, styles, screen, focus
//   kavrena_window_probe box CAPTION     the text of the open message box with that caption
//   kavrena_window_probe hold FILE       holds FILE open, sharing nothing, until stdin ends
#include "win32/wide_text.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void print(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
              &written, nullptr);
}

int describeMainWindow() {
    const HWND window = FindWindowW(L"KavrenaMainWindow", L"Kavrena1.4");
    if (window == nullptr)
        return 1;
    RECT outer{};
    GetWindowRect(window, &outer);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    char hex[32];
    std::snprintf(hex, sizeof hex, "%#lx",
                  static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)));
    print("outer=" + std::to_string(outer.left) + "," + std::to_string(outer.top) + "," +
          std::to_string(outer.right - outer.left) + "x" +
          std::to_string(outer.bottom - outer.top));
    print("screen=" + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" +
          std::to_string(GetSystemMetrics(SM_CYSCREEN)));
    print(std::string("style=") + hex);
    print("focus=" +
          std::to_string(thread.hwndFocus != nullptr ? GetDlgCtrlID(thread.hwndFocus) : 0));
    print("active=" + std::to_string(thread.hwndActive == window ? 1 : 0));
    return 0;
}

int describeBox(const wchar_t* caption) {
    const HWND box = FindWindowW(L"#32770", caption); // the dialog class of MessageBoxW
    if (box == nullptr)
        return 1;
    const HWND text = GetDlgItem(box, 0xFFFF); // the box's text
    std::wstring content(4096, L'\0');
    content.resize(static_cast<std::size_t>(
        GetWindowTextW(text, content.data(), static_cast<int>(content.size()))));
    print(kavrena::toUtf8(content));
    return 0;
}

int holdOpen(const wchar_t* file) {
    const HANDLE held = CreateFileW(file, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE)
        return 1;
    print("held");
    char ignored[64];
    DWORD got = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), ignored, sizeof ignored, &got, nullptr) &&
           got > 0) {
    }
    CloseHandle(held);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring action = argc > 1 ? argv[1] : L"";
    if (action == L"window")
        return describeMainWindow();
    if (action == L"box" && argc > 2)
        return describeBox(argv[2]);
    if (action == L"hold" && argc > 2)
        return holdOpen(argv[2]);
    print("usage: kavrena_window_probe window | box CAPTION | hold FILE");
    return 2;
}
