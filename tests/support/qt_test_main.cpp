// The main of the widget test programs: one QApplication for all tests, on the offscreen
// platform unless the environment names another.
#include <QApplication>
#include <QTemporaryDir>

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleMock(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime directory; a test run as root under CI often has none.
    QTemporaryDir runtimeDirectory;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDirectory.path().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
