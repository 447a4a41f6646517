#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace survey {

// A coordinate as a point file writes it: optional sign, digits with one decimal separator (a
// point, or a comma where `decimalComma`; never both), optional exponent. None for anything
// else, and for values that are not finite.
std::optional<double> numberIn(std::string_view text, bool decimalComma);

// A coordinate read from `text`, or why it is refused, `where` saying where it stood ("no value
// in column N", "'abc' in column N is not a number", "'1e300' in column N is beyond ±1e12").
struct CoordinateReading {
  std::optional<double> value;
  std::string problem;
};
CoordinateReading readCoordinate(std::string_view text, std::string_view where, bool decimalComma);

// `text` as a message quotes it: cut short when long.
std::string inQuotes(std::string_view text);

}  // namespace survey
