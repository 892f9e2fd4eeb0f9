// Texts cross between the model (UTF-8 std::string) and Qt (QString) only here.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace kavrena {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toUtf8(const QString& text) {
    return text.toStdString();
}

// The texts join their lines with CR LF, the break Windows draws; Qt draws LF.
inline QString toDisplayText(std::string_view utf8) {
    return toQString(utf8).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace kavrena
