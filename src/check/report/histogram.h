#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "check/check_report.h"
#include "survey/tolerance.h"

namespace check::report {

// Counts of values in bins of equal width from `start`, and of the values beyond them on
// either side, which the bins leave out so that one blunder does not squeeze the rest into one
// bar.
struct Histogram {
  double start = 0.0;
  double binWidth = 1.0;
  std::vector<std::size_t> counts;
  std::size_t below = 0;  // values below start
  std::size_t above = 0;  // values above end()
  double lowest = 0.0;    // the smallest value, and the largest
  double highest = 0.0;

  double end() const { return start + binWidth * static_cast<double>(counts.size()); }
};

// The values of component `component` of the report's schema over every pair, those without
// one left out (dz without heights).
std::vector<double> deviationsOf(const CheckReport& report, std::size_t component);

// The histogram of `values` (at least one): about the square root of their count in bins (5 to
// 40) covering the bulk of the values, and the tolerance where there is one: from its lower to
// its upper bound, or from 0 to its upper bound for `magnitudes` (dH), so that the bounds show
// on the same axis. The bulk is what lies within 5 robust standard deviations (1.4826 times the
// median absolute deviation) of the median, or between the 1st and the 99th percentile when
// most values are equal; values beyond it are counted below or above. Fewer than 20 values are
// all in the bins.
Histogram histogramOf(const std::vector<double>& values,
                      const std::optional<survey::Tolerance>& tolerance, bool magnitudes);

}  // namespace check::report
