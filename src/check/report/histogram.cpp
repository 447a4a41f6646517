#include "check/report/histogram.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace check::report {
namespace {

// How far from the median the bulk reaches, in robust standard deviations: far enough that a
// normal spread of ten thousand values stays whole, near enough that a blunder stands apart.
constexpr double kBulkReach = 5.0;
// The median absolute deviation of normally spread values times this is their standard
// deviation.
constexpr double kMadToSigma = 1.4826;

// The value at `share` (0 to 1) of the sorted values, nearest rank.
double atShare(const std::vector<double>& sorted, double share) {
  const double rank = std::ceil(share * static_cast<double>(sorted.size()));
  const auto index = static_cast<std::size_t>(std::max(rank, 1.0)) - 1;
  return sorted[std::min(index, sorted.size() - 1)];
}

// Below this many values a median deviation says too little to call any of them far out.
constexpr std::size_t kFewestForBulk = 20;

// The range of the bulk of the values, within their smallest and largest.
std::pair<double, double> bulkOf(std::vector<double> sorted) {
  std::sort(sorted.begin(), sorted.end());
  if (sorted.size() < kFewestForBulk) return {sorted.front(), sorted.back()};
  const double median = atShare(sorted, 0.5);
  std::vector<double> distances;
  distances.reserve(sorted.size());
  for (const double value : sorted) distances.push_back(std::abs(value - median));
  std::sort(distances.begin(), distances.end());
  const double sigma = kMadToSigma * atShare(distances, 0.5);
  if (sigma > 0.0) {
    return {std::max(sorted.front(), median - kBulkReach * sigma),
            std::min(sorted.back(), median + kBulkReach * sigma)};
  }
  return {atShare(sorted, 0.01), atShare(sorted, 0.99)};
}

}  // namespace

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
  auto [low, high] = bulkOf(values);
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
  const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
  Histogram histogram{low,
                      (high - low) / static_cast<double>(binCount),
                      std::vector<std::size_t>(binCount, 0),
                      0,
                      0,
                      *lowest,
                      *highest};
  for (const double value : values) {
    if (value < low) {
      ++histogram.below;
    } else if (value > high) {
      ++histogram.above;
    } else {
      const double bin = std::floor((value - low) / histogram.binWidth);
      ++histogram.counts[std::min(static_cast<std::size_t>(std::max(bin, 0.0)), binCount - 1)];
    }
  }
  return histogram;
}

}  // namespace check::report
