#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "survey/tolerance.h"

namespace survey {

// One deviation component of one pair, with the id it is reported under.
struct Sample {
  double value = 0.0;
  const std::string* id = nullptr;
};

struct ComponentStatistics {
  std::size_t count = 0;  // none of the rest means anything without values
  double mean = 0.0;
  std::optional<double> standardDeviation;  // sample (n - 1), from two values on
  double rms = 0.0;
  double min = 0.0;
  double max = 0.0;
  double largest = 0.0;  // the value of largest magnitude, with its sign (the first on a tie)
  std::string largestId;
  double percentile95 = 0.0;  // of the magnitudes, nearest rank
  // With a tolerance: how many values are within it.
  std::optional<std::size_t> withinTolerance;
};

// The statistics of one component over all pairs; with a `tolerance`, the count within it as
// withinTolerance() decides at `decimals` places.
ComponentStatistics statisticsOf(const std::vector<Sample>& samples,
                                 const std::optional<Tolerance>& tolerance, int decimals);

}  // namespace survey
