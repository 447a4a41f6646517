#include "host/dxf/numbers.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace host::dxf {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  return text;
}

}  // namespace

bool parseReal(std::string_view text, double& value) {
  text = trimmed(text);
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty() && std::isfinite(value);
}

bool parseWhole(std::string_view text, std::int64_t& value) {
  text = trimmed(text);
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error == std::errc() && stop == end && !text.empty()) return true;
  // Some programs write whole numbers as reals ("1.0"); take them when they are whole.
  double real = 0.0;
  if (!parseReal(text, real) || real != std::trunc(real) || std::abs(real) > 9.0e15) return false;
  value = static_cast<std::int64_t>(real);
  return true;
}

bool isFiniteOrNotANumber(std::string_view text) {
  // strtod in the C locale tells an overflow (infinite) from an underflow (zero), which
  // from_chars reports alike.
  static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
  const std::string copy(trimmed(text));
  char* end = nullptr;
  const double value = ::strtod_l(copy.c_str(), &end, cLocale);
  return end != copy.c_str() + copy.size() || copy.empty() || std::isfinite(value);
}

std::string numberExpected(int code, std::string_view value) {
  return "expected a number for group code " + std::to_string(code) + ", found \"" +
         std::string(value.substr(0, 40)) + "\"";
}

}  // namespace host::dxf
