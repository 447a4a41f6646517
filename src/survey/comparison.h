#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "survey/deviation.h"
#include "survey/pairing.h"
#include "survey/statistics.h"
#include "survey/tolerance.h"

// The check of a survey against its design: each pair's deviation and verdict, and the
// statistics over all pairs.
namespace survey {

struct ComparedPair {
  Deviation deviation;
  std::vector<Component> failing;  // empty: the pair passes
};

struct Comparison {
  std::vector<ComparedPair> pairs;                // as in Pairing::pairs
  std::array<ComponentStatistics, 4> statistics;  // indexed by Component
  std::size_t failed = 0;

  const ComponentStatistics& operator[](Component c) const {
    return statistics[static_cast<int>(c)];
  }
};

// Deviations along `frame`, tolerances tested on the values written with `decimals` places.
Comparison compare(const Pairing& pairing, const std::vector<Point>& design, const Frame& frame,
                   const Tolerances& tolerances, int decimals);

}  // namespace survey
