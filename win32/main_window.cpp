#include "main_window.h"

#include "wide_text.h"

#include <commctrl.h>

#include <stdexcept>

namespace kavrena {
namespace {

constexpr wchar_t kWindowClass[] = L"KavrenaMainWindow";
constexpr wchar_t kCaption[] = L"Kavrena1.4";
constexpr std::string_view kCredits = "Varnoth倾情奉献\r\nv@example.org\r\n2012.07.16";
constexpr int kIconResource = 1;

HICON programIcon(int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

bool registerWindowClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = programIcon(SM_CXICON);
    windowClass.hIconSm = programIcon(SM_CXSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The font the system uses for message boxes: its default user-interface font.
HFONT createMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) == 0)
        return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

HWND createControl(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style,
                   int id, const RECT& place) {
    return CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                           place.top, place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND createPushButton(HWND parent, const wchar_t* caption, int id, const RECT& place) {
    // Plain push buttons: none is the default, so Enter presses nothing.
    return createControl(parent, WC_BUTTONW, caption,
                         WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, id,
                         place);
}

RECT at(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

POINT centredOnPrimaryScreen() {
    return {(GetSystemMetrics(SM_CXSCREEN) - MainWindow::kOuterWidth) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - MainWindow::kOuterHeight) / 2};
}

} // namespace

MainWindow::MainWindow(InformationBox& box, WholeFileWriter& writer, std::string runDirectory)
    : generate_(rows_, writer, box, std::move(runDirectory))
    , reordering_(rows_, box) {
    if (!registerWindowClass(&MainWindow::windowProcedure))
        throw std::runtime_error("the window class was refused");
    const POINT place = centredOnPrimaryScreen();
    // A fixed frame with the system menu and a close button, and no minimise or maximise box.
    // The window procedure learns its MainWindow, and window_ its handle, at WM_NCCREATE.
    const HWND created = CreateWindowExW(
        0, kWindowClass, kCaption, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, place.x, place.y,
        kOuterWidth, kOuterHeight, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (created == nullptr)
        throw std::runtime_error("the main window was refused");
}

MainWindow::~MainWindow() {
    if (window_ != nullptr)
        DestroyWindow(window_);
    if (font_ != nullptr)
        DeleteObject(font_);
}

// The window was created at its outer size, centred.
void MainWindow::showCentred() {
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    SetFocus(按钮_生成);
}

LRESULT CALLBACK MainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self != nullptr) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self = nullptr;
    }
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (!createControls())
            return -1;
        keepOnlyMoveAndClose();
        onCreated();
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wParam) != WA_INACTIVE);
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC: // the credits: black over the dialog face
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_DESTROY: // the last window: the message loop ends
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

bool MainWindow::createControls() {
    // Created in Tab order: from the list, which is no Tab stop, Tab goes to the generate button
    // and Shift+Tab to the move-down button.
    超级列表框1 = createPanelListView(window_, kListId, at(8, 8, 95, 314));
    按钮_生成 = createPushButton(window_, L"生成plist", kGenerateId, at(121, 217, 72, 24));
    按钮_上移 = createPushButton(window_, L"上移", kMoveUpId, at(121, 21, 72, 24));
    按钮_下移 = createPushButton(window_, L"下移", kMoveDownId, at(121, 72, 72, 24));
    // Each line centred and broken at words, laid out from the top and cut at the bottom edge.
    标签1 = createControl(window_, WC_STATICW, toWide(kCredits), SS_CENTER | SS_NOPREFIX,
                          kCreditsId, at(116, 265, 84, 35));
    for (const HWND control : {超级列表框1, 按钮_生成, 按钮_上移, 按钮_下移, 标签1}) {
        if (control == nullptr)
            return false;
    }
    font_ = createMessageFont();
    for (const HWND control : {超级列表框1, 按钮_生成, 按钮_上移, 按钮_下移, 标签1})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    rows_ = ListViewToggleList(超级列表框1);
    return true;
}

// The window can be neither sized, minimised nor maximised, so its system menu offers Move and
// Close alone.
void MainWindow::keepOnlyMoveAndClose() {
    const HMENU menu = GetSystemMenu(window_, FALSE);
    if (menu == nullptr)
        return;
    for (const UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE})
        DeleteMenu(menu, command, MF_BYCOMMAND);
}

// A plain window does not keep its focus across a box on its own: remember it when the window
// loses the activation and give it back on return.
void MainWindow::onActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus))
            focusWhenInactive_ = focus;
        return;
    }
    SetFocus(focusWhenInactive_ != nullptr ? focusWhenInactive_ : 按钮_生成);
}

// Enter arrives as IDOK and is ignored; Esc arrives as IDCANCEL and closes the window.
void MainWindow::onCommand(int id) {
    switch (id) {
    case kGenerateId:
        onGenerateClicked();
        break;
    case kMoveUpId:
        onMoveUpClicked();
        break;
    case kMoveDownId:
        onMoveDownClicked();
        break;
    case IDCANCEL:
        DestroyWindow(window_);
        break;
    default:
        break;
    }
}

void MainWindow::onCreated() {
    fillDefaultRows(rows_);
}

void MainWindow::onGenerateClicked() {
    generate_.execute();
}

void MainWindow::onMoveUpClicked() {
    reordering_.moveSelectionUp();
}

void MainWindow::onMoveDownClicked() {
    reordering_.moveSelectionDown();
}

int runMessageLoop(HWND window) {
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (IsWindow(window) && IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 1;
}

} // namespace kavrena
