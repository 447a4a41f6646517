#include "form/decimal_text.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "cad/automation_error.h"

namespace form {
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
  r.digits.resize(kept);
  if (roundUp) {
    int i = kept - 1;
    while (i >= 0 && r.digits[i] == '9') r.digits[i--] = '0';
    if (i >= 0) {
      ++r.digits[i];
    } else {
      r.digits.insert(r.digits.begin(), '1');
      ++r.pointPosition;
    }
  }
  dropTrailingZeros(r);
  return r;
}

}  // namespace

DecimalText DecimalText::of(double value) {
  if (!std::isfinite(value)) throw cad::overflowError();
  if (value == 0.0) return DecimalText{};
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  assert(result.ec == std::errc());
  const std::string text(buffer, result.ptr);
  // "-d.ddde-05": sign, mantissa digits, exponent.
  DecimalText d;
  std::size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  const std::size_t e = text.find('e');
  for (; i < e; ++i) {
    if (text[i] != '.') d.digits += text[i];
  }
  d.pointPosition = std::atoi(text.c_str() + e + 1) + 1;
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
  const std::string text = (negative ? "-0." : "0.") + digits + "e" + std::to_string(pointPosition);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Rounding up at the top of the range (1.79769313486232e308) leaves it.
    if (pointPosition > 0) throw cad::overflowError();
    return negative ? -0.0 : 0.0;
  }
  return value;
}

}  // namespace form
