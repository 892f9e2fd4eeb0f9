// Starts Qt, shows the one window and runs the event loop until it is closed.
#include "qt/executable_location.h"
#include "qt/main_window.h"
#include "qt/qt_information_box.h"
#include "qt/save_file_writer.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

QtMessageHandler qtDefaultHandler = nullptr;

// Qt ends the program when it finds no display to open; no box can appear then, so say so
// plainly, with a status of our own rather than an abort.
void reportNoDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        qtDefaultHandler(type, context, message);
        return;
    }
    std::fprintf(stderr,
                 "kavrena: 无法显示窗口：没有可用的显示。\n"
                 "kavrena: cannot show the window: no display could be opened (%s)\n",
                 qPrintable(message));
    std::_Exit(2);
}

QIcon programIcon() {
    QIcon icon;
    // The sizes a title bar and a taskbar draw; X11 is sent every size set here, so the large
    // ones stay with the installed icon theme.
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/kavrena-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    // The program reads no command line: Qt is given the program's name alone.
    int qtArgc = argc > 0 ? 1 : 0;
    qtDefaultHandler = qInstallMessageHandler(reportNoDisplay);
    QApplication app(qtArgc, argv);
    qInstallMessageHandler(qtDefaultHandler);

    QApplication::setApplicationName(QStringLiteral("Kavrena"));
    QApplication::setApplicationVersion(QStringLiteral("1.4.0.0"));
    // No display name: Qt would append it to every window's title, the boxes' included, and a
    // window manager would show "信息 — Kavrena1.4" where the caption is "信息".
    QGuiApplication::setDesktopFileName(QStringLiteral("kavrena"));
    QApplication::setWindowIcon(programIcon());

    kavrena::QtInformationBox box;
    kavrena::SaveFileWriter writer;
    try {
        kavrena::MainWindow window(box, writer, kavrena::runDirectoryOfThisProgram());
        window.showCentred();
        return QApplication::exec();
    } catch (const std::exception&) {
        box.show("载入启动窗口失败", "Kavrena1.4");
        return EXIT_FAILURE;
    }
}
