// kavrena.exe under Wine, in the Wine session that a ctest fixture has started, and the probe
// that reads its window from outside as another Windows program.
#pragma once

#include "program_under_test.h"

#include <QStringList>

#include <optional>

namespace kavrena::testing {

// The Wine session's environment, DISPLAY included.
QProcessEnvironment wineSessionEnvironment();

// Runs the probe in the session; its output, or nothing when it failed.
std::optional<QString> runProbe(const QStringList& arguments);

// A started probe that holds the file open, sharing nothing, until it is closed.
class FileHolder {
public:
    explicit FileHolder(const std::filesystem::path& file);
    ~FileHolder();
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;
    bool isHolding() const { return holding_; }

private:
    QProcess probe_;
    bool holding_ = false;
};

} // namespace kavrena::testing
