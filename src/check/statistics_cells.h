#pragma once

#include <string>
#include <vector>

#include "check/check_report.h"
#include "survey/tolerance.h"

namespace check {

// The statistics of one component as the summary and the PDF report write them, "-" where
// there is no value (no pairs, or no standard deviation from one value).
struct StatisticsCells {
  std::string name;  // "dx", "dy", "dz", "dH"
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

// "dx", "dy", "dz", "dH".
std::string componentName(survey::Component component);

// The tolerances tested, "x 0.020, y 0.020, z 0.010, h 0.025", or "none".
std::string tolerancesText(const CheckReport& report);

StatisticsCells statisticsCells(const CheckReport& report, survey::Component component);

}  // namespace check
