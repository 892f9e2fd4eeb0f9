// Where the running program lives; the settings file is written beside it.
#pragma once

#include <string>

namespace kavrena {

// The directory of the running executable, without a trailing backslash ("C:" for a program in
// a drive's root), in UTF-8.
std::string runDirectoryOfThisProgram();

} // namespace kavrena
