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

}  // namespace

std::string componentName(survey::Component component) {
  if (component == survey::Component::H) return "dH";
  return std::string("d") + survey::letterOf(component);
}

std::string tolerancesText(const CheckReport& report) {
  std::string text;
  for (const survey::Component component : survey::kComponents) {
    if (const auto& limit = report.tolerances[component]) {
      if (!text.empty()) text += ", ";
      text += survey::letterOf(component);
      text += ' ';
      text += report.number(*limit);
    }
  }
  return text.empty() ? "none" : text;
}

StatisticsCells statisticsCells(const CheckReport& report, survey::Component component) {
  const survey::ComponentStatistics& s = report.comparison[component];
  const std::string name = componentName(component);
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
