// Where the running program lives; the settings file is written beside it.
#pragma once

#include <string>

namespace kavrena {

// The directory of the running executable in native form, without a trailing separator.
// Needs the QCoreApplication to exist.
std::string runDirectoryOfThisProgram();

} // namespace kavrena
