#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "check/check_report.h"
#include "survey/tolerance.h"

namespace check::report {

// Counts of values in bins of equal width from `start`.
struct Histogram {
  double start = 0.0;
  double binWidth = 1.0;
  std::vector<std::size_t> counts;

  double end() const { return start + binWidth * static_cast<double>(counts.size()); }
};

// The values of component `component` of the report's schema over every pair, those without
// one left out (dz without heights).
std::vector<double> deviationsOf(const CheckReport& report, std::size_t component);

// The histogram of `values` (at least one): about the square root of their count in bins (5 to
// 40) covering every value, and the tolerance where there is one: from its lower to its upper
// bound, or from 0 to its upper bound for `magnitudes` (dH), so that the bounds show on the
// same axis.
Histogram histogramOf(const std::vector<double>& values,
                      const std::optional<survey::Tolerance>& tolerance, bool magnitudes);

}  // namespace check::report
