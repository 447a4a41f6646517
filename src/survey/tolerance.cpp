#include "survey/tolerance.h"

#include <cmath>
#include <iterator>
#include <stdexcept>
#include <string>

#include "numbers/decimal_text.h"
#include "numbers/number_text.h"
#include "survey/coordinate_text.h"

namespace survey {

std::optional<Tolerance> Tolerances::operator[](std::size_t component) const {
  if (component >= byComponent_.size()) return std::nullopt;
  return byComponent_[component];
}

void Tolerances::set(std::size_t component, Tolerance tolerance) {
  if (component >= byComponent_.size()) byComponent_.resize(component + 1);
  byComponent_[component] = tolerance;
}

namespace {

// "x=, y=, z= or h=".
std::string keysToWrite(const ComponentSchema& schema) {
  std::string keys;
  for (std::size_t k = 0; k < schema.size(); ++k) {
    if (k > 0) keys += k + 1 == schema.size() ? " or " : ", ";
    keys += schema[k].key + "=";
  }
  return keys;
}

std::size_t componentNamed(std::string_view key, const ComponentSchema& schema) {
  for (std::size_t k = 0; k < schema.size(); ++k) {
    if (schema[k].key == key) return k;
  }
  return schema.size();
}

// The tolerance written after "key=": a limit, or for bounds "LOWER:UPPER".
Tolerance toleranceIn(std::string_view item, std::string_view value, ToleranceRule rule) {
  const std::size_t colon = value.find(':');
  if (rule == ToleranceRule::Bounds && colon != std::string_view::npos) {
    const std::optional<double> lower = numbers::numberIn(value.substr(0, colon), false);
    const std::optional<double> upper = numbers::numberIn(value.substr(colon + 1), false);
    if (!lower || !upper || *lower > *upper) {
      throw std::invalid_argument(inQuotes(item) +
                                  ": the bounds must be two numbers, the lower one first");
    }
    return {*lower, *upper};
  }
  const std::optional<double> limit = numbers::numberIn(value, false);
  if (!limit || *limit < 0.0) {
    throw std::invalid_argument(inQuotes(item) + ": the tolerance must be a number, 0 or more");
  }
  return Tolerance::within(*limit);
}

}  // namespace

Tolerances parseTolerances(std::string_view text, const ComponentSchema& schema) {
  Tolerances tolerances;
  for (bool more = true; more;) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    more = comma != std::string_view::npos;
    if (more) text.remove_prefix(comma + 1);
    const std::size_t equals = item.find('=');
    const std::string_view key = item.substr(0, equals);
    const std::size_t component = componentNamed(key, schema);
    if (equals == std::string_view::npos || component == schema.size()) {
      throw std::invalid_argument(inQuotes(item) + " is not a tolerance: write " +
                                  keysToWrite(schema) + " and a value, such as " +
                                  schema.front().key + "=0.02");
    }
    const Tolerance tolerance = toleranceIn(item, item.substr(equals + 1), schema[component].rule);
    if (tolerances[component]) {
      throw std::invalid_argument("the tolerance for " + std::string(key) + " is given twice");
    }
    tolerances.set(component, tolerance);
  }
  return tolerances;
}

namespace {

// One unit of the last of `decimals` places; looked up, as it is asked for every deviation.
double lastPlace(int decimals) {
  constexpr double kUnits[] = {1e0,  1e-1, 1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                               1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15};
  if (decimals >= 0 && decimals < static_cast<int>(std::size(kUnits))) return kUnits[decimals];
  return std::pow(10.0, -decimals);
}

}  // namespace

bool withinTolerance(double value, const Tolerance& tolerance, int decimals) {
  // Writing moves a value by at most half a unit of its last place: only values that close to
  // a bound need their decimal digits looked at.
  const double half = 0.5 * lastPlace(decimals) * (1.0 + 1e-9);
  if (value - half >= tolerance.lower && value + half <= tolerance.upper) return true;
  if (value + half < tolerance.lower || value - half > tolerance.upper) return false;
  const double written = std::copysign(
      numbers::DecimalText::of(std::abs(value)).roundedToDecimals(decimals).toDouble(), value);
  return tolerance.lower <= written && written <= tolerance.upper;
}

bool withinTolerance(double value, double limit, int decimals) {
  return withinTolerance(value, Tolerance::within(limit), decimals);
}

std::vector<std::size_t> failingComponents(const ComponentValues& values,
                                           const Tolerances& tolerances, int decimals) {
  std::vector<std::size_t> failing;
  for (std::size_t component = 0; component < values.size(); ++component) {
    const std::optional<double>& value = values[component];
    const std::optional<Tolerance> tolerance = tolerances[component];
    if (value && tolerance && !withinTolerance(*value, *tolerance, decimals)) {
      failing.push_back(component);
    }
  }
  return failing;
}

}  // namespace survey
