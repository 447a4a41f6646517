#pragma once

#include <string>
#include <string_view>

namespace host::dxf {

// How the text values of a file are encoded: UTF-8 from release 2007 on, before that the
// code page named by $DWGCODEPAGE. Code pages other than Windows-1252 are read as
// Windows-1252, so a file never fails to load over its characters.
enum class TextEncoding { kUtf8, kWindows1252 };

TextEncoding encodingFor(std::string_view acadVersion, std::string_view codePage);

// A text value as UTF-8: bytes of the code page converted, \U+XXXX escapes replaced by their
// characters. A value that is already valid UTF-8 with characters beyond ASCII is taken as it
// stands (many programs write UTF-8 whatever the header says).
std::string decodeText(std::string_view text, TextEncoding encoding);

// A UTF-8 text for a file in the Windows-1252 code page: characters of the code page become
// its bytes, the others \U+XXXX escapes. Line ends, which would break the line structure of
// the file, become blanks.
std::string encodeText(std::string_view utf8);

}  // namespace host::dxf
