#pragma once

#include <optional>
#include <string_view>

namespace numbers {

// A number as a point file or a command line writes it: optional sign, digits with one decimal
// separator (a point, or a comma where `decimalComma`; never both), optional exponent. None for
// anything else, and for values that are not finite.
std::optional<double> numberIn(std::string_view text, bool decimalComma);

}  // namespace numbers
