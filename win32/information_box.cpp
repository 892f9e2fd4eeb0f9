#include "information_box.h"

#include "wide_text.h"

#include <windows.h>

namespace kavrena {

void Win32InformationBox::show(std::string_view text, std::string_view caption) {
    const HWND wasActive = GetActiveWindow();
    // With no owner, MB_TASKMODAL disables all of this thread's windows until the box closes.
    MessageBoxW(nullptr, toWide(text).c_str(), toWide(caption).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    // Windows hands the activation back to the window that had it; not every system does (Wine
    // with no window manager leaves no window active and the keyboard goes nowhere).
    if (wasActive != nullptr && IsWindow(wasActive))
        SetForegroundWindow(wasActive);
}

} // namespace kavrena
