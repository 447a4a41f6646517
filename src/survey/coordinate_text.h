#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace survey {

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
