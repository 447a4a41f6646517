#include "numbers/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace numbers {
namespace {

// Longer than any coordinate written out in full.
constexpr std::size_t kMaxNumberLength = 64;

}  // namespace

std::optional<double> numberIn(std::string_view text, bool decimalComma) {
  if (text.empty() || text.size() > kMaxNumberLength) return std::nullopt;
  std::array<char, kMaxNumberLength> plain{};
  std::size_t length = 0;
  for (const char c : text) {
    if (c == (decimalComma ? '.' : ',')) return std::nullopt;
    plain[length++] = c == ',' ? '.' : c;
  }
  const char* begin = plain.data();
  const char* end = begin + length;
  // from_chars reads "inf" and "nan", which are no coordinates, and takes no plus sign.
  const char* afterSign = *begin == '+' || *begin == '-' ? begin + 1 : begin;
  if (afterSign == end || !(*afterSign == '.' || (*afterSign >= '0' && *afterSign <= '9'))) {
    return std::nullopt;
  }
  if (*begin == '+') ++begin;
  double value = 0.0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace numbers
