#include "information_box.h"

#include "wide_text.h"

#include <windows.h>

namespace kavrena {

void Win32InformationBox::show(std::string_view text, std::string_view caption) {
    // With no owner, MB_TASKMODAL disables all of this thread's windows until the box closes.
    MessageBoxW(nullptr, toWide(text).c_str(), toWide(caption).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

} // namespace kavrena
