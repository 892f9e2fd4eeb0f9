#include "executable_location.h"

#include "model/generate_command.h"
#include "wide_text.h"

#include <windows.h>

namespace kavrena {

std::string runDirectoryOfThisProgram() {
    // GetModuleFileNameW cuts a path that does not fit and says so only by filling the buffer:
    // grow it until the whole path fits, however long.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return ".";
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return runDirectoryFromExecutablePath(toUtf8(path), kNativePathSeparator);
}

} // namespace kavrena
