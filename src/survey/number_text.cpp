#include "survey/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

#include "survey/point.h"
#include "survey/text_encoding.h"

namespace survey {
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

std::string inQuotes(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string shown = "'";
  shown += printable(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  shown += '\'';
  return shown;
}

CoordinateReading readCoordinate(std::string_view text, std::string_view where, bool decimalComma) {
  // The message is made only for a refused value: most files hold none.
  const auto place = [where] { return " " + std::string(where); };
  if (text.empty()) return {std::nullopt, "no value" + place()};
  const std::optional<double> number = numberIn(text, decimalComma);
  if (!number) return {std::nullopt, inQuotes(text) + place() + " is not a number"};
  if (std::abs(*number) > kCoordinateLimit) {
    return {std::nullopt, inQuotes(text) + place() + " is beyond ±1e12"};
  }
  return {number, {}};
}

}  // namespace survey
