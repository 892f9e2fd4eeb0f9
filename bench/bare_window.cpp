// The floor for start-up: a Qt program that shows one empty window of Kavrena's size. Built a
// second time with KAVRENA_WITH_LABEL, it shows one Chinese label too: the cost of any text.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(218, 357);
#ifdef KAVRENA_WITH_LABEL
    new QLabel(QString::fromUtf8("Varnoth倾情奉献"), &window);
#endif
    window.show();
    return QApplication::exec();
}
