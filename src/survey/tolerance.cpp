#include "survey/tolerance.h"

#include <cmath>
#include <iterator>
#include <stdexcept>
#include <string>

#include "numbers/decimal_text.h"
#include "numbers/number_text.h"
#include "survey/coordinate_text.h"

namespace survey {

char letterOf(Component component) {
  return "xyzh"[static_cast<int>(component)];
}

std::string lettersOf(const std::vector<Component>& components) {
  std::string letters;
  for (const Component component : components) {
    if (!letters.empty()) letters += ' ';
    letters += letterOf(component);
  }
  return letters;
}

std::optional<double> valueOf(const Deviation& deviation, Component component) {
  switch (component) {
    case Component::X:
      return deviation.dx;
    case Component::Y:
      return deviation.dy;
    case Component::Z:
      return deviation.dz;
    case Component::H:
      return deviation.dh;
  }
  return std::nullopt;
}

Tolerances parseTolerances(std::string_view text) {
  Tolerances tolerances;
  for (bool more = true; more;) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    more = comma != std::string_view::npos;
    if (more) text.remove_prefix(comma + 1);
    const std::size_t equals = item.find('=');
    const std::string_view name = item.substr(0, equals);
    const std::string_view letters = "xyzh";
    const std::size_t index = name.size() == 1 ? letters.find(name[0]) : std::string_view::npos;
    if (equals == std::string_view::npos || index == std::string_view::npos) {
      throw std::invalid_argument(inQuotes(item) + " is not a tolerance: write x=, y=, z= or h= " +
                                  "and a value, such as x=0.02");
    }
    const std::optional<double> limit = numbers::numberIn(item.substr(equals + 1), false);
    if (!limit || *limit < 0.0) {
      throw std::invalid_argument(inQuotes(item) + ": the tolerance must be a number, 0 or more");
    }
    if (tolerances.limits[index]) {
      throw std::invalid_argument(std::string("the tolerance for ") + name[0] + " is given twice");
    }
    tolerances.limits[index] = limit;
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

bool withinTolerance(double value, double limit, int decimals) {
  const double magnitude = std::abs(value);
  // Writing moves a value by at most half a unit of its last place: only values that close to
  // the limit need their decimal digits looked at.
  const double half = 0.5 * lastPlace(decimals) * (1.0 + 1e-9);
  if (magnitude + half <= limit) return true;
  if (magnitude - half > limit) return false;
  return numbers::DecimalText::of(magnitude).roundedToDecimals(decimals).toDouble() <= limit;
}

std::vector<Component> failingComponents(const Deviation& deviation, const Tolerances& tolerances,
                                         int decimals) {
  std::vector<Component> failing;
  for (const Component component : kComponents) {
    const std::optional<double> value = valueOf(deviation, component);
    const std::optional<double>& limit = tolerances[component];
    if (value && limit && !withinTolerance(*value, *limit, decimals)) failing.push_back(component);
  }
  return failing;
}

}  // namespace survey
