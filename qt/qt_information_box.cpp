#include "qt_information_box.h"

#include "qt_text.h"

#include <QMessageBox>

namespace kavrena {

void QtInformationBox::show(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::Information, toQString(caption), toDisplayText(text),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace kavrena
