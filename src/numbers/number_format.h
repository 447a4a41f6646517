#pragma once

#include <optional>
#include <string>
#include <string_view>

// How the dialog writes numbers: the format `DP` that follows the drawing's length precision,
// and the two forms of the text height (the one the field shows and the one that is stored).
namespace numbers {

// "###0", plus a point and `precision` zeros when the precision is above 0. No precision (the
// drawing could not be asked) counts as 0.
std::string numberFormatFor(std::optional<long> precision);

// The value rounded to 15 significant digits, the precision every displayed value is cut to.
// Fails with Overflow when the value is not finite or rounds beyond
// the range of a double.
double roundedTo15Digits(double value);

// `value` written with the number format `DP`: a minus sign for negatives, the integer part
// with at least one digit and no grouping, then `separator` and as many decimals as `DP` has
// zeros after its point, rounded half away from zero on the exact decimal digits.
std::string formatWithDP(double value, std::string_view DP, std::string_view separator);

// `value` as formatWithDP writes it with `DP`, as a number: rounded half away from zero on the
// exact decimal digits, so that it is zero, positive or negative as the text reads.
double roundedWithDP(double value, std::string_view DP);

// The text height as the field shows it: a blank before zero or a positive number, a minus
// before a negative one, the point as separator, no 0 before the point below 1 (" .5"), at most
// 15 significant digits, and exponent form outside 1E-04 to 1E+15 (" 1E+20").
std::string signedDisplayForm(double value);

// The text height as it is stored: 15 significant digits, no trailing zeros, the user's
// `separator`, no blank ("2,5" where the separator is a comma, "0.5", "1E+20").
std::string storedForm(double value, std::string_view separator);

// A whole text read as a number in the user's locale: optional sign, digits with at most one
// `separator`, optional exponent, surrounding blanks allowed. Anything else, or a number beyond
// the range of a double, is no number.
std::optional<double> localeNumber(std::string_view text, std::string_view separator);

}  // namespace numbers
