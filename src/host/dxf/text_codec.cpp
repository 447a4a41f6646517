#include "host/dxf/text_codec.h"

#include <array>
#include <cstdint>

namespace host::dxf {
namespace {

// Windows-1252 bytes 0x80 to 0x9F; the rest of the upper half equals Unicode.
constexpr std::array<char32_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Length of the UTF-8 sequence at `i`, or 0 when it is not valid UTF-8.
std::size_t utf8Length(std::string_view text, std::size_t i, char32_t& c) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  if (lead < 0x80) {
    c = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return length;
}

bool isValidUtf8(std::string_view text) {
  char32_t c = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8Length(text, i, c);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A \U+XXXX escape at `i`: its character, or nothing.
bool unicodeEscape(std::string_view text, std::size_t i, char32_t& c) {
  if (i + 7 > text.size() || text[i] != '\\' || (text[i + 1] != 'U' && text[i + 1] != 'u') ||
      text[i + 2] != '+') {
    return false;
  }
  c = 0;
  for (std::size_t k = i + 3; k < i + 7; ++k) {
    const int digit = hexValue(text[k]);
    if (digit < 0) return false;
    c = c * 16 + static_cast<char32_t>(digit);
  }
  return !(c >= 0xD800 && c <= 0xDFFF);
}

// The Windows-1252 byte of a character, or -1 when the code page lacks it.
int windows1252Byte(char32_t c) {
  if (c >= 0xA0 && c <= 0xFF) return static_cast<int>(c);
  for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
    if (kWindows1252High[i] == c && (c < 0x80 || c > 0x9F)) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void appendEscape(std::string& out, char32_t c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\U+";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 0xF];
}

bool isAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Characters a line of a file cannot hold as they are.
bool breaksTheLine(char32_t c) {
  return c == 0 || c == '\r' || c == '\n';
}

enum class Beyond { kCodePage, kEscaped, kUtf8 };

// See encodeText: characters beyond ASCII as bytes of the code page where it has them, all as
// escapes, or as UTF-8.
std::string encode(std::string_view utf8, Beyond beyond) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t c = 0;
    std::size_t length = utf8Length(utf8, i, c);
    if (length == 0) {
      c = 0xFFFD;
      length = 1;
    }
    char32_t escaped = 0;
    if (c == '\\' && unicodeEscape(utf8, i, escaped)) {
      appendEscape(out, c);  // written as is, it would read as the escape it looks like
    } else if (breaksTheLine(c)) {
      appendEscape(out, c);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (beyond == Beyond::kUtf8) {
      out.append(utf8.substr(i, length));
    } else if (const int byte = windows1252Byte(c); byte >= 0 && beyond == Beyond::kCodePage) {
      out += static_cast<char>(byte);
    } else {
      appendEscape(out, c > 0xFFFF ? 0xFFFD : c);
    }
    i += length;
  }
  return out;
}

// Blanks, each as an escape.
std::string escapedBlanks(std::string_view blanks) {
  std::string out;
  for (char c : blanks) appendEscape(out, static_cast<char32_t>(c));
  return out;
}

}  // namespace

TextEncoding encodingFor(std::string_view acadVersion, std::string_view codePage) {
  (void)codePage;
  // Release 2007 and later files (AC1021 on) are UTF-8 whatever $DWGCODEPAGE says.
  if (acadVersion.size() == 6 && acadVersion.starts_with("AC") && acadVersion >= "AC1021") {
    return TextEncoding::kUtf8;
  }
  return TextEncoding::kWindows1252;
}

bool needsDecoding(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80 || c == '\\') return true;
  }
  return false;
}

bool contradictsCodePage(std::string_view text, TextEncoding encoding) {
  return encoding != TextEncoding::kUtf8 && !isAscii(text) && isValidUtf8(text);
}

std::string decodeText(std::string_view text, TextEncoding encoding) {
  if (!needsDecoding(text)) return std::string(text);
  const bool utf8 = encoding == TextEncoding::kUtf8 || isValidUtf8(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = 0;
    if (unicodeEscape(text, i, c)) {
      appendUtf8(out, c);
      i += 7;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      out += text[i++];
    } else if (utf8) {
      const std::size_t length = utf8Length(text, i, c);
      if (length == 0) {
        appendUtf8(out, 0xFFFD);
        ++i;
      } else {
        out.append(text.substr(i, length));
        i += length;
      }
    } else {
      appendUtf8(out, byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
      ++i;
    }
  }
  return out;
}

std::string encodeText(std::string_view utf8, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return encode(utf8, Beyond::kUtf8);
  std::string out = encode(utf8, Beyond::kCodePage);
  // decodeText takes a value that is valid UTF-8 for UTF-8, whatever the code page.
  if (!isAscii(out) && isValidUtf8(out)) out = encode(utf8, Beyond::kEscaped);
  return out;
}

std::string encodeName(std::string_view utf8, TextEncoding encoding) {
  const std::size_t first = utf8.find_first_not_of(" \t");
  if (first == std::string_view::npos) return escapedBlanks(utf8);
  const std::size_t last = utf8.find_last_not_of(" \t");
  return escapedBlanks(utf8.substr(0, first)) +
         encodeText(utf8.substr(first, last + 1 - first), encoding) +
         escapedBlanks(utf8.substr(last + 1));
}

}  // namespace host::dxf
