// Saves a picture of one X window as a PNG: kavrena_window_shot WINDOW_ID FILE.png
// Used by the end-to-end test and by the run script on a virtual display.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kavrena_window_shot WINDOW_ID FILE.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    bool isNumber = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&isNumber, 0);
    if (!isNumber) {
        std::fprintf(stderr, "kavrena_window_shot: %s is not a window id\n", argv[1]);
        return 2;
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "kavrena_window_shot: cannot save window %s to %s\n", argv[1],
                     argv[2]);
        return 1;
    }
    return 0;
}
