#pragma once

#include <string_view>

namespace numbers {

// The blanks that readers of typed and stored text leave out around it.
inline constexpr std::string_view kBlanks = " \t\r\n";

// `text` without the `blanks` before and after it.
constexpr std::string_view trimmed(std::string_view text, std::string_view blanks = kBlanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace numbers
