#include "survey/comparison.h"

namespace survey {

Comparison compare(const Reference& reference, const Tolerances& tolerances, int decimals) {
  Comparison comparison;
  comparison.schema = reference.schema();
  const std::size_t components = comparison.schema.size();
  const std::size_t shots = reference.shotCount();
  comparison.pairs.reserve(shots);
  std::vector<std::vector<Sample>> samples(components);
  for (auto& component : samples) component.reserve(shots);

  for (std::size_t shot = 0; shot < shots; ++shot) {
    ComparedPair compared;
    compared.values = reference.valuesOf(shot);
    compared.failing = failingComponents(compared.values, tolerances, decimals);
    comparison.failed += compared.failing.empty() ? 0 : 1;
    const std::string& id = reference.idOf(shot);
    for (std::size_t k = 0; k < components; ++k) {
      if (const std::optional<double>& value = compared.values[k]) {
        samples[k].push_back({*value, &id});
      }
    }
    comparison.pairs.push_back(std::move(compared));
  }
  comparison.statistics.reserve(components);
  for (std::size_t k = 0; k < components; ++k) {
    comparison.statistics.push_back(statisticsOf(samples[k], tolerances[k], decimals));
  }
  return comparison;
}

}  // namespace survey
