#pragma once

#include <string>
#include <string_view>

namespace cad::com {

// The program speaks UTF-8, automation speaks UTF-16. A malformed UTF-8 sequence becomes the
// replacement character rather than failing the call.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace cad::com
