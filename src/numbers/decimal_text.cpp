#include "numbers/decimal_text.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "numbers/overflow.h"

namespace numbers {
namespace {

void dropTrailingZeros(DecimalText& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d = DecimalText{};
}

// Keeps the first `kept` digits and rounds half away from zero on the next one.
DecimalText keepDigits(const DecimalText& d, int kept) {
  if (kept >= static_cast<int>(d.digits.size())) return d;
  if (kept < 0) return DecimalText{};
  DecimalText r = d;
  const bool roundUp = d.digits[kept] >= '5';
  r.digits.shrink(static_cast<std::size_t>(kept));
  if (roundUp) {
    int i = kept - 1;
    while (i >= 0 && r.digits[i] == '9') r.digits[i--] = '0';
    if (i >= 0) {
      ++r.digits[i];
    } else {
      r.digits.push_front('1');
      ++r.pointPosition;
    }
  }
  dropTrailingZeros(r);
  return r;
}

}  // namespace

void Digits::push_front(char digit) {
  std::copy_backward(chars_.begin(), chars_.begin() + size_, chars_.begin() + size_ + 1);
  chars_[0] = digit;
  ++size_;
}

DecimalText DecimalText::of(double value) {
  if (!std::isfinite(value)) throw Overflow();
  if (value == 0.0) return DecimalText{};
  // "-d.ddde-05": sign, mantissa digits, exponent.
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
  assert(result.ec == std::errc());
  DecimalText d;
  const char* at = text;
  if (*at == '-') {
    d.negative = true;
    ++at;
  }
  for (; *at != 'e'; ++at) {
    if (*at != '.') d.digits.push_back(*at);
  }
  ++at;
  if (*at == '+') ++at;
  int exponent = 0;
  std::from_chars(at, result.ptr, exponent);
  d.pointPosition = exponent + 1;
  dropTrailingZeros(d);
  return d;
}

DecimalText DecimalText::roundedToDecimals(int places) const {
  assert(places >= 0);
  return keepDigits(*this, pointPosition + places);
}

DecimalText DecimalText::roundedToSignificant(int count) const {
  assert(count >= 1);
  return keepDigits(*this, count);
}

double DecimalText::toDouble() const {
  if (isZero()) return negative ? -0.0 : 0.0;
  // "-0.<digits>e<pointPosition>"
  char text[48];
  char* end = text;
  if (negative) *end++ = '-';
  *end++ = '0';
  *end++ = '.';
  end = std::copy(digits.view().begin(), digits.view().end(), end);
  *end++ = 'e';
  end = std::to_chars(end, text + sizeof text, pointPosition).ptr;
  double value = 0.0;
  const auto result = std::from_chars(text, end, value);
  if (result.ec == std::errc::result_out_of_range) {
    // Rounding up at the top of the range (1.79769313486232e308) leaves it.
    if (pointPosition > 0) throw Overflow();
    return negative ? -0.0 : 0.0;
  }
  return value;
}

}  // namespace numbers
