#include "survey/statistics.h"

#include <algorithm>
#include <cmath>

#include "survey/tolerance.h"

namespace survey {

ComponentStatistics statisticsOf(const std::vector<Sample>& samples,
                                 const std::optional<Tolerance>& tolerance, int decimals) {
  ComponentStatistics s;
  s.count = samples.size();
  if (samples.empty()) return s;
  const double n = static_cast<double>(samples.size());

  double sum = 0.0, sumOfSquares = 0.0;
  s.min = s.max = s.largest = samples.front().value;
  s.largestId = *samples.front().id;
  for (const Sample& sample : samples) {
    sum += sample.value;
    sumOfSquares += sample.value * sample.value;
    s.min = std::min(s.min, sample.value);
    s.max = std::max(s.max, sample.value);
    if (std::abs(sample.value) > std::abs(s.largest)) {
      s.largest = sample.value;
      s.largestId = *sample.id;
    }
  }
  s.mean = sum / n;
  s.rms = std::sqrt(sumOfSquares / n);
  if (samples.size() > 1) {
    // Around the mean in a second pass: the textbook one-pass formula loses the digits.
    double squaredDifferences = 0.0;
    for (const Sample& sample : samples) {
      squaredDifferences += (sample.value - s.mean) * (sample.value - s.mean);
    }
    s.standardDeviation = std::sqrt(squaredDifferences / (n - 1.0));
  }

  std::vector<double> magnitudes(samples.size());
  std::transform(samples.begin(), samples.end(), magnitudes.begin(),
                 [](const Sample& sample) { return std::abs(sample.value); });
  // Nearest rank: the smallest magnitude that at least 95 % of the values do not exceed.
  const std::size_t rank = (95 * samples.size() + 99) / 100;
  std::nth_element(magnitudes.begin(), magnitudes.begin() + (rank - 1), magnitudes.end());
  s.percentile95 = magnitudes[rank - 1];

  if (tolerance) {
    s.withinTolerance = static_cast<std::size_t>(std::count_if(
        samples.begin(), samples.end(),
        [&](const Sample& sample) { return withinTolerance(sample.value, *tolerance, decimals); }));
  }
  return s;
}

}  // namespace survey
