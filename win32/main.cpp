// Shows the one window and runs the message loop until it is closed.
#include "atomic_file_writer.h"
#include "executable_location.h"
#include "information_box.h"
#include "main_window.h"

#include <commctrl.h>

#include <exception>
#include <optional>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The program reads no command line.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    kavrena::Win32InformationBox box;
    kavrena::AtomicFileWriter writer;
    std::optional<kavrena::MainWindow> window;
    try {
        window.emplace(box, writer, kavrena::runDirectoryOfThisProgram());
    } catch (const std::exception&) {
        box.show("载入启动窗口失败", "Kavrena1.4");
        return 1;
    }
    window->showCentred();
    return kavrena::runMessageLoop(window->handle());
}
