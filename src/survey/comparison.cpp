#include "survey/comparison.h"

#include <algorithm>

namespace survey {

Comparison compare(const Reference& reference, const Tolerances& tolerances, int decimals) {
  return compare(
      reference, [&](std::size_t) -> const Tolerances& { return tolerances; }, decimals);
}

Comparison compare(const Reference& reference, const ShotTolerances& tolerancesOf, int decimals) {
  Comparison comparison;
  comparison.schema = reference.schema();
  const std::size_t components = comparison.schema.size();
  const std::size_t shots = reference.shotCount();
  comparison.pairs.reserve(shots);
  std::vector<std::vector<Sample>> samples(components);
  for (auto& component : samples) component.reserve(shots);
  // Per component: whether any value was tested, and how many passed.
  std::vector<bool> tested(components, false);
  std::vector<std::size_t> within(components, 0);

  for (std::size_t shot = 0; shot < shots; ++shot) {
    const Tolerances& tolerances = tolerancesOf(shot);
    ComparedPair compared;
    compared.values = reference.valuesOf(shot);
    compared.failing = failingComponents(compared.values, tolerances, decimals);
    comparison.failed += compared.failing.empty() ? 0 : 1;
    const std::string& id = reference.idOf(shot);
    for (std::size_t k = 0; k < components; ++k) {
      if (const std::optional<double>& value = compared.values[k]) {
        samples[k].push_back({*value, &id});
        if (!tolerances[k]) continue;
        tested[k] = true;
        const auto& failing = compared.failing;
        within[k] += std::find(failing.begin(), failing.end(), k) == failing.end() ? 1 : 0;
      }
    }
    comparison.pairs.push_back(std::move(compared));
  }
  comparison.statistics.reserve(components);
  for (std::size_t k = 0; k < components; ++k) {
    comparison.statistics.push_back(statisticsOf(samples[k], std::nullopt, decimals));
    if (tested[k]) comparison.statistics.back().withinTolerance = within[k];
  }
  return comparison;
}

}  // namespace survey
