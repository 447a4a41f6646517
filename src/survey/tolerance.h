#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "survey/deviation.h"

namespace survey {

enum class Component { X, Y, Z, H };
inline constexpr std::array<Component, 4> kComponents{Component::X, Component::Y, Component::Z,
                                                      Component::H};

// "x", "y", "z", "h".
char letterOf(Component component);
// The letters of components with a blank between them: "x z h".
std::string lettersOf(const std::vector<Component>& components);
// The deviation's value for a component; none for Z without heights.
std::optional<double> valueOf(const Deviation& deviation, Component component);

// The largest deviation allowed per component, for those that are tested.
struct Tolerances {
  std::array<std::optional<double>, 4> limits;  // indexed by Component

  const std::optional<double>& operator[](Component c) const { return limits[static_cast<int>(c)]; }
};

// "x=0.02,y=0.02,z=0.01,h=0.025", any subset, each component once, limits zero or more.
// Throws std::invalid_argument saying what is wrong.
Tolerances parseTolerances(std::string_view text);

// Whether `value` is within `limit` as it is written with `decimals` places (rounded half away
// from zero on its exact decimal digits), so that the pass or fail agrees with the number the
// user reads.
bool withinTolerance(double value, double limit, int decimals);

// The components of a deviation outside their tolerance, in the order x, y, z, h. A component
// without a value (Z without heights) is not tested.
std::vector<Component> failingComponents(const Deviation& deviation, const Tolerances& tolerances,
                                         int decimals);

}  // namespace survey
