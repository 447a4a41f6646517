#include "host/model/mtext_format.h"

#include <charconv>
#include <cstdint>

namespace host::model {
namespace {

constexpr std::string_view kNonBreakingSpace = "\u00A0";
// Codes of settings that run up to a ';': height, colour, font, alignment, tracking, oblique
// angle and width.
constexpr std::string_view kSettings = "HCcfFATQW";
// Codes that switch underline, overline and strike-through on or off.
constexpr std::string_view kSwitches = "LlOoKk";

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The character of "\U+XXXX" at the start of `code`, or 0 when it is not one.
std::uint32_t unicodeOf(std::string_view code) {
  constexpr std::size_t kDigits = 4;
  if (code.size() < 3 + kDigits || code.substr(0, 3) != "\\U+") return 0;
  const std::string_view digits = code.substr(3, kDigits);
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + kDigits, value, 16);
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (error != std::errc{} || end != digits.data() + kDigits || surrogate) return 0;
  return value;
}

// A stack's content, "num^den", "num/den" or "num#den", as it shows.
std::string stackShown(std::string_view stack) {
  const std::size_t split = stack.find_first_of("^/#");
  if (split == std::string_view::npos) return std::string(stack);
  return std::string(stack.substr(0, split)) + "/" + std::string(stack.substr(split + 1));
}

}  // namespace

std::vector<std::string> multiLineTextLines(std::string_view content) {
  std::vector<std::string> lines{""};
  std::size_t i = 0;
  while (i < content.size()) {
    const char c = content[i];
    if (c == '\n') {
      lines.emplace_back();
      ++i;
      continue;
    }
    if (c == '{' || c == '}') {
      ++i;
      continue;
    }
    if (c != '\\' || i + 1 == content.size()) {
      lines.back() += c;
      ++i;
      continue;
    }
    const char code = content[i + 1];
    const std::size_t end = content.find(';', i + 2);
    if (code == 'P') {
      lines.emplace_back();
      i += 2;
    } else if (code == '~') {
      lines.back() += kNonBreakingSpace;
      i += 2;
    } else if (code == '\\' || code == '{' || code == '}') {
      lines.back() += code;
      i += 2;
    } else if (kSwitches.find(code) != std::string_view::npos) {
      i += 2;
    } else if (const std::uint32_t unicode = code == 'U' ? unicodeOf(content.substr(i)) : 0) {
      appendUtf8(lines.back(), unicode);
      i += 7;
    } else if (kSettings.find(code) != std::string_view::npos && end != std::string_view::npos) {
      i = end + 1;
    } else if (code == 'S' && end != std::string_view::npos) {
      lines.back() += stackShown(content.substr(i + 2, end - i - 2));
      i = end + 1;
    } else {
      // Unknown or unfinished: the backslash shows, and what follows is read as text.
      lines.back() += c;
      ++i;
    }
  }
  return lines;
}

std::string lineTextShown(std::string_view content) {
  std::string shown;
  std::size_t i = 0;
  while (i < content.size()) {
    if (content.compare(i, 2, "%%") != 0 || i + 2 == content.size()) {
      shown += content[i++];
      continue;
    }
    switch (content[i + 2]) {
      case 'c':
      case 'C':
        shown += "\u00D8";
        break;
      case 'd':
      case 'D':
        shown += "\u00B0";
        break;
      case 'p':
      case 'P':
        shown += "\u00B1";
        break;
      case '%':
        shown += '%';
        break;
      case 'u':
      case 'U':
      case 'o':
      case 'O':
        break;
      default:
        shown += content[i++];
        continue;
    }
    i += 3;
  }
  return shown;
}

}  // namespace host::model
