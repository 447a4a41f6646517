#include "check/deviation_scale.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "numbers/number_format.h"

namespace check {
namespace {

constexpr int kMostDecimals = 8;

// The length unit of a component's values: the point files' when it names none, none when it
// is not a length (a slope in %).
std::optional<survey::LengthUnit> lengthUnitOf(const survey::Component& component,
                                               survey::LengthUnit inputUnit) {
  if (component.unit.empty()) return inputUnit;
  try {
    return survey::parseLengthUnit(component.unit);
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
}

}  // namespace

std::string DeviationScale::text(double checked) const {
  return numbers::formatWithDP(value(checked), numberFormat, ".");
}

std::string DeviationScale::heading(const std::string& componentHeading) const {
  return unit.empty() ? componentHeading : componentHeading + " (" + unit + ")";
}

DeviationScale deviationScale(const CheckReport& report, std::size_t component) {
  DeviationScale scale{1.0, report.decimals, "", report.numberFormat};
  if (!report.reportUnit) return scale;
  const std::optional<survey::LengthUnit> from =
      lengthUnitOf(report.comparison.schema[component], report.inputUnit);
  if (!from) return scale;
  scale.factor = survey::metresPer(*from) / metresPer(*report.reportUnit);
  // As many places as keep the check's own precision: 3 in metres are 0 in millimetres and
  // still 3 in feet.
  const int shift = static_cast<int>(std::floor(std::log10(scale.factor) + 1e-9));
  scale.decimals = std::clamp(report.decimals - shift, 0, kMostDecimals);
  scale.unit = nameOf(*report.reportUnit);
  scale.numberFormat = numbers::numberFormatFor(scale.decimals);
  return scale;
}

}  // namespace check
