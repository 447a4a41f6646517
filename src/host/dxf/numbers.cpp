#include "host/dxf/numbers.h"

#include <charconv>
#include <cmath>

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

}  // namespace host::dxf
