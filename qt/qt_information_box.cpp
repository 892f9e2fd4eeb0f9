#include "qt_information_box.h"

#include "qt_text.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace kavrena {

void QtInformationBox::show(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::Information, toQString(caption), toDisplayText(text),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    const QPointer<QWidget> wasActive = QApplication::activeWindow();
    box.exec();
    // A window manager gives the activation back to the window that had it; with none, nothing
    // would, and the keyboard would go nowhere until the window is clicked.
    if (wasActive != nullptr)
        wasActive->activateWindow();
}

} // namespace kavrena
