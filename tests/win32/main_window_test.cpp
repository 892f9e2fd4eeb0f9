// The Windows window as a user meets it: its frame, controls and keys, and the command each
// click runs. Keys go through the same dialog handling as in the program's message loop.
#include "win32/main_window.h"

#include "support/default_rows.h"
#include "support/recording_services.h"

#include <commctrl.h>

#include <gmock/gmock.h>

#include <vector>

namespace kavrena::testing {
namespace {

using ::testing::ElementsAre;

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The control's place in its parent's client area.
RECT placeOf(HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool hasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

void processPendingMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Win32MainWindow : public ::testing::Test {
protected:
    Win32MainWindow() { window.showCentred(); }

    // A key pressed and released where the focus is, handled as the message loop handles it.
    void press(UINT key, bool shift = false) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
            MSG msg{GetFocus(), message, key, message == WM_KEYUP ? 0xC0000001 : 1, 0, {}};
            if (!IsDialogMessageW(window.handle(), &msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            processPendingMessages();
        }
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    void click(HWND button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        processPendingMessages();
    }

    RecordingBox box;
    RecordingWriter writer;
    MainWindow window{box, writer, "C:\\运行 目录"};
};

TEST_F(Win32MainWindow, IsAFixedCaptionedWindowCentredAtItsOuterSize) {
    EXPECT_EQ(windowText(window.handle()), L"Kavrena1.4");
    RECT outer{};
    GetWindowRect(window.handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 218);
    EXPECT_EQ(outer.bottom - outer.top, 357);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 218) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 357) / 2);

    EXPECT_TRUE(hasStyle(window.handle(), WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    for (const LONG_PTR absent : {WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX})
        EXPECT_FALSE(hasStyle(window.handle(), absent)) << std::hex << absent;
    EXPECT_EQ(GetClassLongPtrW(window.handle(), GCLP_HBRBACKGROUND),
              reinterpret_cast<LONG_PTR>(GetSysColorBrush(COLOR_BTNFACE)));
}

TEST_F(Win32MainWindow, SystemMenuOffersOnlyMoveAndClose) {
    const HMENU menu = GetSystemMenu(window.handle(), FALSE);
    ASSERT_NE(menu, nullptr);
    std::vector<UINT> commands;
    for (int item = 0; item < GetMenuItemCount(menu); ++item) {
        // Wine adds "About Wine" to every system menu; Windows has no such item.
        constexpr UINT kAboutWine = 0xF141;
        const UINT command = GetMenuItemID(menu, item);
        if (command != 0 && command != kAboutWine) // 0: a separator
            commands.push_back(command);
    }
    EXPECT_THAT(commands, ElementsAre(SC_MOVE, SC_CLOSE));
}

struct ControlCase {
    HWND MainWindow::*control;
    RECT place;
    const wchar_t* text;
    bool tabStop;
};

TEST_F(Win32MainWindow, ControlsStandAtTheirPlacesWithTheirTextsInTheMessageFont) {
    const ControlCase controls[] = {
        {&MainWindow::超级列表框1, {8, 8, 103, 322}, L"", false},
        {&MainWindow::按钮_上移, {121, 21, 193, 45}, L"上移", true},
        {&MainWindow::按钮_下移, {121, 72, 193, 96}, L"下移", true},
        {&MainWindow::按钮_生成, {121, 217, 193, 241}, L"生成plist", true},
        {&MainWindow::标签1,
         {116, 265, 200, 300},
         L"Varnoth倾情奉献\r\nv@example.org\r\n2012.07.16",
         false},
    };
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (const ControlCase& expected : controls) {
        const HWND control = window.*expected.control;
        SCOPED_TRACE(GetDlgCtrlID(control));
        const RECT place = placeOf(control);
        EXPECT_EQ(place.left, expected.place.left);
        EXPECT_EQ(place.top, expected.place.top);
        EXPECT_EQ(place.right, expected.place.right);
        EXPECT_EQ(place.bottom, expected.place.bottom);
        EXPECT_EQ(windowText(control), expected.text);
        EXPECT_EQ(hasStyle(control, WS_TABSTOP), expected.tabStop);
        EXPECT_TRUE(IsWindowEnabled(control) && IsWindowVisible(control));

        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
        EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight);
    }
    for (const HWND button : {window.按钮_上移, window.按钮_下移, window.按钮_生成})
        EXPECT_FALSE(hasStyle(button, BS_DEFPUSHBUTTON));
}

TEST_F(Win32MainWindow, ListIsOneHeaderlessColumnWithCheckBoxesAndOneSelection) {
    const HWND list = window.超级列表框1;
    EXPECT_TRUE(hasStyle(list, LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL));
    for (const LONG_PTR absent :
         {LVS_SHOWSELALWAYS, LVS_EDITLABELS, LVS_SORTASCENDING, LVS_SORTDESCENDING})
        EXPECT_FALSE(hasStyle(list, absent)) << std::hex << absent;
    EXPECT_TRUE(GetWindowLongPtrW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE); // sunken
    const auto extended =
        static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & (LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT |
                          LVS_EX_GRIDLINES),
              static_cast<DWORD>(LVS_EX_CHECKBOXES));

    wchar_t title[16] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = 16;
    ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, L"名称");
    EXPECT_EQ(column.cx, 70);
    EXPECT_FALSE(SendMessageW(list, LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
}

TEST_F(Win32MainWindow, StartsWithTheDefaultRowsAndTheFocusOnTheGenerateButton) {
    EXPECT_EQ(documentOf(window.rows()), defaultDocument());
    EXPECT_EQ(window.rows().selectedCount(), 0);
    EXPECT_EQ(GetFocus(), window.按钮_生成);
}

TEST_F(Win32MainWindow, TabWalksTheButtonsAndNeverReachesTheListOrTheLabel) {
    std::vector<HWND> forwards;
    for (int step = 0; step < 3; ++step) {
        press(VK_TAB);
        forwards.push_back(GetFocus());
    }
    EXPECT_THAT(forwards, ElementsAre(window.按钮_上移, window.按钮_下移, window.按钮_生成));
    std::vector<HWND> backwards;
    for (int step = 0; step < 3; ++step) {
        press(VK_TAB, true);
        backwards.push_back(GetFocus());
    }
    EXPECT_THAT(backwards, ElementsAre(window.按钮_下移, window.按钮_上移, window.按钮_生成));

    SetFocus(window.超级列表框1);
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), window.按钮_生成);
    SetFocus(window.超级列表框1);
    press(VK_TAB, true);
    EXPECT_EQ(GetFocus(), window.按钮_下移);
}

TEST_F(Win32MainWindow, EnterAndF1DoNothingWhereverTheFocusIs) {
    window.rows().selectRow(3);
    for (const HWND control :
         {window.按钮_生成, window.按钮_上移, window.按钮_下移, window.超级列表框1}) {
        SetFocus(control);
        press(VK_RETURN);
        press(VK_F1);
    }
    EXPECT_EQ(writer.writes, 0);
    EXPECT_TRUE(box.shown.empty());
    EXPECT_TRUE(IsWindow(window.handle()));
    EXPECT_EQ(window.rows().text(3), "清理");
}

TEST_F(Win32MainWindow, SpaceOnTheGenerateButtonWritesBesideTheProgramAndReports) {
    press(VK_SPACE);
    EXPECT_EQ(writer.writes, 1);
    EXPECT_EQ(writer.lastPath, "C:\\运行 目录\\WeeWindowListSetting.plist");
    EXPECT_EQ(writer.lastBytes, defaultDocument());
    EXPECT_THAT(box.shown,
                ElementsAre(ShownMessage{std::string(GenerateCommand::kSuccessMessage), "信息"}));
}

TEST_F(Win32MainWindow, MoveButtonsRunTheReorderingCommands) {
    click(window.按钮_上移); // nothing selected: nothing happens
    EXPECT_EQ(window.rows().text(0), "WIFI");
    EXPECT_EQ(GetFocus(), window.按钮_上移);

    window.rows().selectRow(1);
    click(window.按钮_上移);
    EXPECT_EQ(window.rows().text(0), "数据");
    EXPECT_EQ(window.rows().text(1), "WIFI");
    EXPECT_THAT(window.rows().selectedRows(), ElementsAre(0));
    EXPECT_EQ(GetFocus(), window.超级列表框1);

    window.rows().selectRow(17);
    click(window.按钮_下移);
    EXPECT_THAT(box.shown, ElementsAre(ShownMessage{"到底啦！", "提示"}));
    EXPECT_EQ(window.rows().text(17), "关机");
    EXPECT_EQ(GetFocus(), window.超级列表框1);
}

TEST_F(Win32MainWindow, FocusComesBackWhereItWasWhenTheWindowIsActiveAgain) {
    SetFocus(window.按钮_下移);
    const HWND other =
        CreateWindowExW(0, WC_STATICW, L"other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 100,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(other);
    processPendingMessages();
    EXPECT_NE(GetFocus(), window.按钮_下移);
    SetActiveWindow(window.handle());
    processPendingMessages();
    EXPECT_EQ(GetFocus(), window.按钮_下移);
    DestroyWindow(other);
}

TEST_F(Win32MainWindow, EscapeClosesTheWindowFromAButtonAndFromTheList) {
    const HWND first = window.handle();
    press(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(first));

    MainWindow second(box, writer, "C:");
    second.showCentred();
    const HWND secondHandle = second.handle();
    SetFocus(second.超级列表框1);
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    MSG msg{second.超级列表框1, WM_KEYDOWN, VK_ESCAPE, 1, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(secondHandle, &msg));
    processPendingMessages();
    EXPECT_FALSE(IsWindow(secondHandle));
    EXPECT_EQ(writer.writes, 0);
}

} // namespace
} // namespace kavrena::testing
