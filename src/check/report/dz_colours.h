#pragma once

#include <QColor>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "survey/tolerance.h"

namespace check::report {

// The diverging colour scale of a surface check's plan: three reds of cut below the lower bound,
// darker the deeper; a neutral grey within tolerance; three blues of fill above the upper bound.
class DzColours {
 public:
  static constexpr std::size_t kClasses = 7;
  static constexpr std::size_t kWithin = 3;  // the neutral class

  // The classes beyond the bounds (0 and 0 without a tolerance) a round step wide, so that the
  // darkest begin about where the bulk of `dz` ends (histogramOf()).
  DzColours(const std::vector<double>& dz, const std::optional<survey::Tolerance>& tolerance);

  // The class of a shot: within tolerance as the check decided it, else by how far beyond.
  std::size_t classOf(double dz, bool withinTolerance) const;
  QColor colour(std::size_t colourClass) const;
  // Where the classes part: lower - 2 step, lower - step, lower, upper, upper + step, upper + 2
  // step.
  const std::array<double, kClasses - 1>& limits() const { return limits_; }

 private:
  std::array<double, kClasses - 1> limits_{};
};

}  // namespace check::report
