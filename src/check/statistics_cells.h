#pragma once

#include <string>
#include <vector>

#include "check/check_report.h"

namespace check {

// The statistics of one component as the summary and the PDF report write them, "-" where
// there is no value (no pairs, or no standard deviation from one value).
struct StatisticsCells {
  std::string name;  // the component's heading: "dx", "dy", "dz", "dH"
  std::string count;
  std::string mean;
  std::string standardDeviation;
  std::string rms;
  std::string min;
  std::string max;
  std::string largest;
  std::string largestId;  // empty without pairs
  std::string percentile95;
  std::string withinTolerance;  // "1 (50.0%)", "-" without a tolerance
};

// The units of the cells: the check's own, as the terminal's summary writes them, or the
// report's (--report-units), as the PDF does.
enum class CellUnits { Checked, Report };

// The tolerances tested, "x 0.020, y 0.020, z 0.010, h 0.025" ("k -0.010 to 0.020" for
// bounds), or "none".
std::string tolerancesText(const CheckReport& report);
// The same of other tolerances, such as a code's.
std::string tolerancesText(const CheckReport& report, const survey::Tolerances& tolerances);

// A component's tolerance as a table cell: "±0.020", "0.025" for a magnitude, "-0.010 to
// 0.020" for bounds, "-" without one.
std::string toleranceCell(const CheckReport& report, std::size_t component,
                          CellUnits units = CellUnits::Checked);

// The statistics of component `component` of the report's schema.
StatisticsCells statisticsCells(const CheckReport& report, std::size_t component,
                                CellUnits units = CellUnits::Checked);

}  // namespace check
