// The run directory and the output path as Windows names them: cut at the last backslash,
// joined with exactly one.
#include "model/generate_command.h"

#include <gtest/gtest.h>

namespace kavrena::testing {
namespace {

struct WindowsPathCase {
    std::string executable;
    std::string outputPath;
};

class WindowsOutputPath : public ::testing::TestWithParam<WindowsPathCase> {};

TEST_P(WindowsOutputPath, IsBesideTheExecutable) {
    const std::string directory =
        runDirectoryFromExecutablePath(GetParam().executable, kNativePathSeparator);
    EXPECT_FALSE(directory.ends_with('\\'));
    EXPECT_EQ(GenerateCommand::outputPath(directory), GetParam().outputPath);
}

const std::string kLongDirectory = "C:\\" + std::string(300, 'd');

INSTANTIATE_TEST_SUITE_P(
    Executables, WindowsOutputPath,
    ::testing::Values(WindowsPathCase{"C:\\kavrena.exe", "C:\\WeeWindowListSetting.plist"},
                      WindowsPathCase{"D:\\工具\\Kavrena 1.4\\kavrena.exe",
                                      "D:\\工具\\Kavrena 1.4\\WeeWindowListSetting.plist"},
                      WindowsPathCase{"\\\\server\\share\\kavrena.exe",
                                      "\\\\server\\share\\WeeWindowListSetting.plist"},
                      WindowsPathCase{kLongDirectory + "\\kavrena.exe",
                                      kLongDirectory + "\\WeeWindowListSetting.plist"}));

} // namespace
} // namespace kavrena::testing
