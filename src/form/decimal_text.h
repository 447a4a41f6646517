#pragma once

#include <string>

// A double written out as its shortest exact decimal, so that rounding happens on the digits a
// user reads and not on the binary value: 0.0005 rounds to 0.001 at three decimals, although the
// double nearest 0.0005 lies just below it.
namespace form {

struct DecimalText {
  bool negative = false;
  // Significant digits without leading or trailing zeros; empty for zero.
  std::string digits;
  // Where the decimal point stands: the value is 0.<digits> times 10 to this power.
  int pointPosition = 0;

  // Fails with cad::AutomationError 6 "Overflow" for infinities and NaN.
  static DecimalText of(double value);

  bool isZero() const { return digits.empty(); }
  // Rounds half away from zero to `places` decimals (places >= 0).
  DecimalText roundedToDecimals(int places) const;
  // Rounds half away from zero to `count` significant digits (count >= 1).
  DecimalText roundedToSignificant(int count) const;
  double toDouble() const;
};

}  // namespace form
