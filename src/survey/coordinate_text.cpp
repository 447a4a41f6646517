#include "survey/coordinate_text.h"

#include <cmath>

#include "numbers/number_text.h"
#include "survey/point.h"
#include "survey/text_encoding.h"

namespace survey {

std::string inQuotes(std::string_view text) {
  constexpr std::size_t kShown = 40;
  std::string shown = "'";
  shown += printable(text.substr(0, kShown));
  if (text.size() > kShown) shown += "...";
  shown += '\'';
  return shown;
}

CoordinateReading readCoordinate(std::string_view text, std::string_view where, bool decimalComma) {
  // The message is made only for a refused value: most files hold none.
  const auto place = [where] { return " " + std::string(where); };
  if (text.empty()) return {std::nullopt, "no value" + place()};
  const std::optional<double> number = numbers::numberIn(text, decimalComma);
  if (!number) {
    // A file from a machine set up for another language: say so rather than only refuse.
    const bool otherwise = numbers::numberIn(text, !decimalComma).has_value();
    return {std::nullopt,
            inQuotes(text) + place() + " is not a number" +
                (!otherwise     ? ""
                 : decimalComma ? "; the file seems to write a decimal point, not a comma"
                                : "; the file seems to write a decimal comma")};
  }
  if (std::abs(*number) > kCoordinateLimit) {
    return {std::nullopt, inQuotes(text) + place() + " is beyond ±1e12"};
  }
  return {number, {}};
}

}  // namespace survey
