#pragma once

#include <string_view>

namespace numbers {

// The numeric value of a dialog field's text, the one rule every handler reads numbers by.
// Blanks, tabs and line feeds are ignored wherever they stand; the value is the longest leading
// part that forms a decimal number (optional sign, digits, at most one point, optional
// exponent), with the point as decimal separator in every locale. No leading number gives 0:
// "abc" is 0, "2.5mm" is 2.5, " .5" is 0.5, "2,5" is 2.
// A number beyond the range of a double fails with Overflow.
double numericValue(std::string_view text);

}  // namespace numbers
