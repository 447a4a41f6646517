#include "numbers/numeric_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

#include "numbers/overflow.h"

namespace numbers {
namespace {

std::string withoutBlanks(std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') kept += c;
  }
  return kept;
}

bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the longest prefix of `s` that is a decimal number, 0 when there is none.
std::size_t numberPrefixLength(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Whether an out-of-range number is too large (rather than too small) for a double.
bool isTooLarge(std::string_view number) {
  long long magnitude = 0;  // decimal exponent of the first significant digit, roughly
  bool seenSignificant = false, afterPoint = false;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      afterPoint = true;
    } else if (isDigit(c)) {
      if (!seenSignificant && c != '0') seenSignificant = true;
      if (seenSignificant && !afterPoint) ++magnitude;
      if (!seenSignificant && afterPoint) --magnitude;
    }
  }
  if (!seenSignificant) return false;
  // The exponent saturates: any number of digits may follow the E, and far beyond the range of
  // a double only its sign matters.
  constexpr long long kFarBeyondRange = 1'000'000'000'000LL;
  long long exponent = 0;
  if (i < number.size()) {
    std::size_t j = i + 1;
    const bool negative = number[j] == '-';
    if (number[j] == '+' || number[j] == '-') ++j;
    for (; j < number.size(); ++j) {
      exponent = std::min(exponent * 10 + (number[j] - '0'), kFarBeyondRange);
    }
    if (negative) exponent = -exponent;
  }
  return magnitude + exponent > 0;
}

}  // namespace

double numericValue(std::string_view text) {
  const std::string s = withoutBlanks(text);
  const std::size_t length = numberPrefixLength(s);
  if (length == 0) return 0.0;
  const char* first = s.data() + (s[0] == '+' ? 1 : 0);
  const char* last = s.data() + length;
  double value = 0.0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range) {
    if (isTooLarge(std::string_view(first, last - first))) throw Overflow();
    return s[0] == '-' ? -0.0 : 0.0;
  }
  return value;
}

}  // namespace numbers
