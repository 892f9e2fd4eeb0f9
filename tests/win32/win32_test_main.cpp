// The main of the Windows front-end's test program: common controls first, as the program has.
#include <windows.h>

#include <commctrl.h>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
