#include "host/view-core/length_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace host::view {

std::string formatLength(double value, int decimals) {
  decimals = std::clamp(decimals, 0, 8);
  if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
  // The largest doubles have over 300 digits before the point.
  char buffer[std::numeric_limits<double>::max_exponent10 + 20];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, end);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string formatPoint(double x, double y, double z, int decimals) {
  return formatLength(x, decimals) + "," + formatLength(y, decimals) + "," +
         formatLength(z, decimals);
}

}  // namespace host::view
