#include "check/statistics_rows.h"

#include "form/number_format.h"

namespace check {
namespace {

std::string withinText(const survey::ComponentStatistics& s) {
  if (!s.withinTolerance) return "-";
  const double share =
      100.0 * static_cast<double>(*s.withinTolerance) / static_cast<double>(s.count);
  return std::to_string(*s.withinTolerance) + " (" + form::formatWithDP(share, "###0.0", ".") +
         "%)";
}

}  // namespace

std::vector<std::vector<std::string>> statisticsRows(const CheckReport& report) {
  std::vector<std::vector<std::string>> rows;
  for (const survey::Component component : survey::kComponents) {
    const survey::ComponentStatistics& s = report.comparison[component];
    const std::string name =
        component == survey::Component::H ? "dH" : std::string("d") + survey::letterOf(component);
    if (s.count == 0) {
      rows.push_back({name, "0", "-", "-", "-", "-", "-", "-", "", "-", "-"});
      continue;
    }
    const auto n = [&](double value) { return report.number(value); };
    rows.push_back({name, std::to_string(s.count), n(s.mean),
                    s.standardDeviation ? n(*s.standardDeviation) : "-", n(s.rms), n(s.min),
                    n(s.max), n(s.largest), s.largestId, n(s.percentile95), withinText(s)});
  }
  return rows;
}

}  // namespace check
