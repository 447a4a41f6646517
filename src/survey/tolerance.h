#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "survey/component.h"

namespace survey {

// The values a component may take: from `lower` to `upper`, both included. A symmetric or
// magnitude tolerance of `limit` is the range from -limit to limit.
struct Tolerance {
  double lower = 0.0;
  double upper = 0.0;

  static Tolerance within(double limit) { return {-limit, limit}; }
};

// The tolerance per component of a schema, for those that are tested.
class Tolerances {
 public:
  // None for a component that is not tested.
  std::optional<Tolerance> operator[](std::size_t component) const;
  void set(std::size_t component, Tolerance tolerance);

 private:
  std::vector<std::optional<Tolerance>> byComponent_;  // as the schema orders them
};

// "x=0.02,y=0.02,z=0.01,h=0.025" with the keys of `schema`, any subset, each component once.
// A symmetric or magnitude limit is zero or more; bounds are "key=LOWER:UPPER" with the lower
// one first, or a single limit zero or more for ±limit. Throws std::invalid_argument saying what
// is wrong.
Tolerances parseTolerances(std::string_view text, const ComponentSchema& schema);

// Whether `value` lies within `tolerance` as it is written with `decimals` places (rounded half
// away from zero on its exact decimal digits), so that the pass or fail agrees with the number
// the user reads.
bool withinTolerance(double value, const Tolerance& tolerance, int decimals);
// Within ±`limit`, as above.
bool withinTolerance(double value, double limit, int decimals);

// The components whose value lies outside their tolerance, in the order of the schema. A
// component without a value is not tested.
std::vector<std::size_t> failingComponents(const ComponentValues& values,
                                           const Tolerances& tolerances, int decimals);

}  // namespace survey
