#include "survey/comparison.h"

namespace survey {

Comparison compare(const Pairing& pairing, const std::vector<Point>& design, const Frame& frame,
                   const Tolerances& tolerances, int decimals) {
  Comparison comparison;
  comparison.pairs.reserve(pairing.pairs.size());
  std::array<std::vector<Sample>, 4> samples;
  for (auto& component : samples) component.reserve(pairing.pairs.size());

  for (const Pair& pair : pairing.pairs) {
    const Point& designPoint = design[pair.design];
    ComparedPair compared;
    compared.deviation = deviationOf(designPoint, pair.survey.point, frame);
    compared.failing = failingComponents(compared.deviation, tolerances, decimals);
    comparison.failed += compared.failing.empty() ? 0 : 1;
    for (const Component component : kComponents) {
      if (const auto value = valueOf(compared.deviation, component)) {
        samples[static_cast<int>(component)].push_back({*value, &designPoint.id});
      }
    }
    comparison.pairs.push_back(std::move(compared));
  }
  for (const Component component : kComponents) {
    const int i = static_cast<int>(component);
    comparison.statistics[i] = statisticsOf(samples[i], tolerances[component], decimals);
  }
  return comparison;
}

}  // namespace survey
