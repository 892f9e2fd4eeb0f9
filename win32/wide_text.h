// Texts cross between the model (UTF-8) and the Windows API (UTF-16) only here.
#pragma once

#include <string>
#include <string_view>

namespace kavrena {

std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace kavrena
