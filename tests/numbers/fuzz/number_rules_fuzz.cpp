// Fuzz target: the dialog's number rules, along the way a typed text height goes. The field's
// text is read as a number, stored in the user's locale, loaded at the next start and shown;
// what is shown must read back as what was loaded, and what was stored must load (the dialog
// stores no number that rounds, at 15 digits, beyond the range of a double). Deviations
// are written with the drawing's precision, and must read back to within half a last digit.
// The first byte picks the decimal separator and the precision; the rest is the typed text.
#include <cmath>
#include <optional>
#include <string>

#include "numbers/number_format.h"
#include "numbers/numeric_text.h"
#include "numbers/overflow.h"
#include "support/fuzz_target.h"

namespace {

constexpr long kMaxPrecision = 8;  // LUPREC

void checkTextHeight(double typed, std::string_view separator) {
  try {
    numbers::roundedTo15Digits(typed);
  } catch (const numbers::Overflow&) {
    return;  // beyond the range once rounded to 15 digits: the dialog does not store it
  }
  const std::string stored = numbers::storedForm(typed, separator);
  const std::optional<double> loaded = numbers::localeNumber(stored, separator);
  fuzz::require(loaded.has_value(), "a stored text height does not load");
  fuzz::require(*loaded == numbers::roundedTo15Digits(typed),
                "a stored text height loads as another value");
  const std::string shown = numbers::signedDisplayForm(*loaded);
  fuzz::require(numbers::numericValue(shown) == *loaded,
                "a shown text height reads as another value");
}

void checkDeviation(double value, long precision, std::string_view separator) {
  const std::string text =
      numbers::formatWithDP(value, numbers::numberFormatFor(precision), separator);
  const std::optional<double> read = numbers::localeNumber(text, separator);
  fuzz::require(read.has_value(), "a formatted deviation is no number");
  const double halfDigit = 0.5 * std::pow(10.0, -static_cast<double>(precision));
  fuzz::require(std::abs(*read - value) <= halfDigit * (1 + 1e-9) + std::abs(value) * 1e-15,
                "a formatted deviation is further than half a digit from its value");
  const std::size_t point = text.find(separator);
  const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
  fuzz::require(decimals == static_cast<std::size_t>(precision),
                "a formatted deviation has other decimals than the drawing's precision");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view separator = data[0] & 1 ? "," : ".";
  const long precision = (data[0] >> 1) % (kMaxPrecision + 1);
  double typed = 0.0;
  try {
    typed = numbers::numericValue(fuzz::asText(data + 1, size - 1));
  } catch (const numbers::Overflow&) {
    return 0;  // beyond the range of a double: the field keeps its last good value
  }
  checkTextHeight(typed, separator);
  checkDeviation(typed, precision, separator);
  return 0;
}
