#include "check/statistics_cells.h"

#include "check/deviation_scale.h"
#include "numbers/number_format.h"

namespace check {
namespace {

std::string withinText(const survey::ComponentStatistics& s) {
  if (!s.withinTolerance) return "-";
  const double share =
      100.0 * static_cast<double>(*s.withinTolerance) / static_cast<double>(s.count);
  return std::to_string(*s.withinTolerance) + " (" + numbers::formatWithDP(share, "###0.0", ".") +
         "%)";
}

std::string boundsText(const DeviationScale& scale, const survey::Tolerance& tolerance) {
  return scale.text(tolerance.lower) + " to " + scale.text(tolerance.upper);
}

DeviationScale scaleFor(const CheckReport& report, std::size_t component, CellUnits units) {
  if (units == CellUnits::Report) return deviationScale(report, component);
  return {1.0, report.decimals, "", report.numberFormat};
}

}  // namespace

std::string tolerancesText(const CheckReport& report) {
  return tolerancesText(report, report.tolerances);
}

std::string tolerancesText(const CheckReport& report, const survey::Tolerances& tolerances) {
  const survey::ComponentSchema& schema = report.comparison.schema;
  std::string text;
  for (std::size_t k = 0; k < schema.size(); ++k) {
    if (const std::optional<survey::Tolerance> tolerance = tolerances[k]) {
      if (!text.empty()) text += ", ";
      text += schema[k].key + ' ';
      text += schema[k].rule == survey::ToleranceRule::Bounds
                  ? boundsText(scaleFor(report, k, CellUnits::Checked), *tolerance)
                  : report.number(tolerance->upper);
    }
  }
  return text.empty() ? "none" : text;
}

std::string toleranceCell(const CheckReport& report, std::size_t component, CellUnits units) {
  const std::optional<survey::Tolerance> tolerance = report.tolerances[component];
  if (!tolerance) return "-";
  const DeviationScale scale = scaleFor(report, component, units);
  switch (report.comparison.schema[component].rule) {
    case survey::ToleranceRule::Symmetric:
      return "±" + scale.text(tolerance->upper);
    case survey::ToleranceRule::Magnitude:
      return scale.text(tolerance->upper);
    case survey::ToleranceRule::Bounds:
      break;
  }
  return boundsText(scale, *tolerance);
}

StatisticsCells statisticsCells(const CheckReport& report, std::size_t component, CellUnits units) {
  const survey::ComponentStatistics& s = report.comparison[component];
  const DeviationScale scale = scaleFor(report, component, units);
  const std::string name = scale.heading(report.comparison.schema[component].heading);
  if (s.count == 0) return {name, "0", "-", "-", "-", "-", "-", "-", "", "-", "-"};
  const auto n = [&](double value) { return scale.text(value); };
  return {name,         std::to_string(s.count),
          n(s.mean),    s.standardDeviation ? n(*s.standardDeviation) : "-",
          n(s.rms),     n(s.min),
          n(s.max),     n(s.largest),
          s.largestId,  n(s.percentile95),
          withinText(s)};
}

}  // namespace check
