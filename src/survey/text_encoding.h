#pragma once

#include <string>
#include <string_view>

// Point files arrive in whatever encoding the controller or office program wrote: UTF-8 with or
// without a byte-order mark, UTF-16 with one, or Windows-1252 from older Windows software.
namespace survey {

struct DecodedText {
  std::string utf8;
  // What the bytes were found to be, for messages: "UTF-8", "UTF-16LE", "Windows-1252".
  std::string encoding;
};

// `bytes` as UTF-8 without a byte-order mark. UTF-16 needs its byte-order mark; bytes that are
// not valid UTF-8 are read as Windows-1252. Throws std::invalid_argument for UTF-16 that ends
// mid-character or holds a lone surrogate.
DecodedText decodeText(std::string_view bytes);

// Whether `bytes` are valid UTF-8 (no overlong forms, no surrogates).
bool isUtf8(std::string_view bytes);

// `text` with its control characters and bytes that are not UTF-8 escaped as \xNN, so that a
// message shows what the file holds without garbling the terminal.
std::string printable(std::string_view text);

}  // namespace survey
