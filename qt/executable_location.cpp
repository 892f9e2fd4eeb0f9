#include "executable_location.h"

#include "model/generate_command.h"

#include <QCoreApplication>
#include <QDir>

namespace kavrena {

std::string runDirectoryOfThisProgram() {
    const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    return runDirectoryFromExecutablePath(executable.toStdString(), kNativePathSeparator);
}

} // namespace kavrena
