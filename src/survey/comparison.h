#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "survey/component.h"
#include "survey/reference.h"
#include "survey/statistics.h"
#include "survey/tolerance.h"

// The check of shots against a reference: each shot's values and verdict, and the statistics
// per component over all shots.
namespace survey {

struct ComparedPair {
  ComponentValues values;            // as the schema orders them
  std::vector<std::size_t> failing;  // components outside tolerance; empty: the shot passes
};

struct Comparison {
  ComponentSchema schema;
  std::vector<ComparedPair> pairs;              // one per shot of the reference, in its order
  std::vector<ComponentStatistics> statistics;  // one per component of the schema
  std::size_t failed = 0;

  const ComponentStatistics& operator[](std::size_t component) const {
    return statistics[component];
  }
};

// Every shot of `reference`, tolerances tested on the values written with `decimals` places.
Comparison compare(const Reference& reference, const Tolerances& tolerances, int decimals);

// The tolerances one shot (by its index) is tested against.
using ShotTolerances = std::function<const Tolerances&(std::size_t shot)>;

// The same, each shot tested against its own tolerances (those of its code): a component's
// count within tolerance counts its values that were tested and passed.
Comparison compare(const Reference& reference, const ShotTolerances& tolerancesOf, int decimals);

}  // namespace survey
