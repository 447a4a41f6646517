// Fuzz target: the numeric value of a dialog field's text. Any text gives a finite number or the
// overflow error, and blanks, tabs and line feeds change nothing wherever they stand.
#include <bit>
#include <cmath>
#include <optional>
#include <string>

#include "numbers/numeric_text.h"
#include "numbers/overflow.h"
#include "support/fuzz_target.h"

namespace {

std::optional<double> valueOf(std::string_view text) {
  try {
    return numbers::numericValue(text);
  } catch (const numbers::Overflow&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::asText(data, size);
  const std::optional<double> value = valueOf(text);
  if (value) fuzz::require(std::isfinite(*value), "a field's text read as a non-finite number");

  // The same text with blanks spread through it: before, after, and after its first character.
  std::string spread = " \t" + std::string(text) + "\n ";
  if (!text.empty()) spread.insert(3, "\t \n");
  const std::optional<double> spreadValue = valueOf(spread);
  fuzz::require(value.has_value() == spreadValue.has_value() &&
                    (!value || std::bit_cast<std::uint64_t>(*value) ==
                                   std::bit_cast<std::uint64_t>(*spreadValue)),
                "blanks in a field's text changed its value");
  return 0;
}
