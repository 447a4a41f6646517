#include "check/statistics_cells.h"

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

std::string boundsText(const CheckReport& report, const survey::Tolerance& tolerance) {
  return report.number(tolerance.lower) + " to " + report.number(tolerance.upper);
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
      text += schema[k].rule == survey::ToleranceRule::Bounds ? boundsText(report, *tolerance)
                                                              : report.number(tolerance->upper);
    }
  }
  return text.empty() ? "none" : text;
}

std::string toleranceCell(const CheckReport& report, std::size_t component) {
  const std::optional<survey::Tolerance> tolerance = report.tolerances[component];
  if (!tolerance) return "-";
  switch (report.comparison.schema[component].rule) {
    case survey::ToleranceRule::Symmetric:
      return "±" + report.number(tolerance->upper);
    case survey::ToleranceRule::Magnitude:
      return report.number(tolerance->upper);
    case survey::ToleranceRule::Bounds:
      break;
  }
  return boundsText(report, *tolerance);
}

StatisticsCells statisticsCells(const CheckReport& report, std::size_t component) {
  const survey::ComponentStatistics& s = report.comparison[component];
  const std::string& name = report.comparison.schema[component].heading;
  if (s.count == 0) return {name, "0", "-", "-", "-", "-", "-", "-", "", "-", "-"};
  const auto n = [&](double value) { return report.number(value); };
  return {name,         std::to_string(s.count),
          n(s.mean),    s.standardDeviation ? n(*s.standardDeviation) : "-",
          n(s.rms),     n(s.min),
          n(s.max),     n(s.largest),
          s.largestId,  n(s.percentile95),
          withinText(s)};
}

}  // namespace check
