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

// Whether a text of a file in a code page (before release 2007) holds UTF-8 bytes beyond
// ASCII instead, which decodeText takes as they stand.
bool contradictsCodePage(std::string_view text, TextEncoding encoding);

// Whether decodeText would change the text (it has escapes or bytes beyond ASCII).
bool needsDecoding(std::string_view text);

// A UTF-8 text for a file in the Windows-1252 code page, which decodeText reads back as it
// was: characters of the code page become its bytes, the others \U+XXXX escapes, and so do
// the characters a line of the file cannot hold (NUL, carriage return, line feed) and a
// backslash that would read as the start of an escape. A text whose bytes would read as UTF-8
// has all its characters beyond ASCII escaped. Characters beyond U+FFFF, which four hex digits
// cannot name, become U+FFFD. For a UTF-8 file (release 2007 on) the characters stay UTF-8;
// only those a line cannot hold and the look-alike escapes are escaped.
std::string encodeText(std::string_view utf8, TextEncoding encoding = TextEncoding::kWindows1252);

// A table name for a file: as encodeText, and blanks at its start or end escaped too, as
// readers drop them from names.
std::string encodeName(std::string_view utf8, TextEncoding encoding = TextEncoding::kWindows1252);

}  // namespace host::dxf
