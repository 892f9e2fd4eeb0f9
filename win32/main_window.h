// The program's one window on the Windows API: the toggle list, the three command buttons and
// the credits. It decides nothing about content; each click runs one command on the list.
#pragma once

#include "list_view_toggle_list.h"
#include "model/generate_command.h"
#include "model/row_reordering.h"

#include <windows.h>

#include <string>

namespace kavrena {

class MainWindow {
public:
    static constexpr int kOuterWidth = 218;
    static constexpr int kOuterHeight = 357;
    static constexpr int kListId = 101;
    static constexpr int kMoveUpId = 102;
    static constexpr int kMoveDownId = 103;
    static constexpr int kGenerateId = 104;
    static constexpr int kCreditsId = 105;

    // Creates the window and its controls, not yet visible, with the default rows in the list.
    // Throws std::runtime_error when Windows refuses the window.
    MainWindow(InformationBox& box, WholeFileWriter& writer, std::string runDirectory);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window centred on the primary screen, with the focus on the generate button.
    void showCentred();
    HWND handle() const { return window_; }
    ToggleList& rows() { return rows_; }

    // The controls, named as the program's texts name them.
    HWND 超级列表框1 = nullptr;
    HWND 按钮_上移 = nullptr;
    HWND 按钮_下移 = nullptr;
    HWND 按钮_生成 = nullptr;
    HWND 标签1 = nullptr;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool createControls();
    void keepOnlyMoveAndClose();
    void onActivate(bool active);
    void onCommand(int id);

    void onCreated();
    void onGenerateClicked();
    void onMoveUpClicked();
    void onMoveDownClicked();

    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    // The control that had the focus when the window was last deactivated (a box opened).
    HWND focusWhenInactive_ = nullptr;
    ListViewToggleList rows_;
    GenerateCommand generate_;
    RowReordering reordering_;
};

// Runs the message loop, with the keyboard handled as in a dialog (Tab, Shift+Tab, Esc), until
// the window has been destroyed; the program's exit status.
int runMessageLoop(HWND window);

} // namespace kavrena
