#include "check/report/histogram.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace check::report {

std::vector<double> deviationsOf(const CheckReport& report, std::size_t component) {
  std::vector<double> values;
  values.reserve(report.comparison.pairs.size());
  for (const survey::ComparedPair& pair : report.comparison.pairs) {
    if (const std::optional<double>& value = pair.values[component]) values.push_back(*value);
  }
  return values;
}

Histogram histogramOf(const std::vector<double>& values,
                      const std::optional<survey::Tolerance>& tolerance, bool magnitudes) {
  assert(!values.empty());
  const auto [smallest, largest] = std::minmax_element(values.begin(), values.end());
  double low = *smallest;
  double high = *largest;
  if (magnitudes) low = std::min(low, 0.0);
  if (tolerance) {
    low = std::min(low, magnitudes ? 0.0 : tolerance->lower);
    high = std::max(high, tolerance->upper);
  }
  if (high - low <= 0.0) {
    // Every value the same and no tolerance to span: a narrow range around it.
    const double pad = std::max(std::abs(low) * 0.5, 0.001);
    low -= magnitudes ? 0.0 : pad;
    high += pad;
  }
  const auto binCount = static_cast<std::size_t>(
      std::clamp(std::ceil(std::sqrt(static_cast<double>(values.size()))), 5.0, 40.0));
  Histogram histogram{low, (high - low) / static_cast<double>(binCount),
                      std::vector<std::size_t>(binCount, 0)};
  for (const double value : values) {
    const double bin = std::floor((value - low) / histogram.binWidth);
    ++histogram.counts[std::min(static_cast<std::size_t>(std::max(bin, 0.0)), binCount - 1)];
  }
  return histogram;
}

}  // namespace check::report
