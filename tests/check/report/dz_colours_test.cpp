#include "check/report/dz_colours.h"

#include <gtest/gtest.h>

namespace check::report {
namespace {

TEST(DzColours, ClassesPartCutAndFillBeyondUnequalBoundsInRoundSteps) {
  // One shot far below: three steps of 0.1 reach it from the lower bound.
  const DzColours colours({0.010, -0.030, 0.011, -0.031, -0.300}, survey::Tolerance{-0.03, 0.01});
  const auto& limits = colours.limits();
  const double expected[] = {-0.23, -0.13, -0.03, 0.01, 0.11, 0.21};
  for (std::size_t k = 0; k < limits.size(); ++k) EXPECT_NEAR(limits[k], expected[k], 1e-12) << k;
  const struct {
    double dz;
    bool within;
    std::size_t colourClass;
  } cases[] = {
      {-0.300, false, 0},
      {-0.200, false, 1},
      {-0.031, false, 2},
      {-0.0304, true, 3},
      {0.0, true, 3},
      {0.011, false, 4},
      {0.150, false, 5},
      {0.500, false, 6},
      // Outside tolerance in dn alone: neutral in dz.
      {0.0, false, 3},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(colours.classOf(c.dz, c.within), c.colourClass) << c.dz;
  }
  EXPECT_GT(colours.colour(0).red(), colours.colour(0).blue());
  EXPECT_GT(colours.colour(6).blue(), colours.colour(6).red());
}

TEST(DzColours, StepsAreNotFinerThanTheToleranceWhenFewShotsAreBeyondIt) {
  std::vector<double> dz;
  for (int i = 0; i < 200; ++i) dz.push_back(0.0004 * (i % 50 - 25));  // within ±0.01
  dz.push_back(0.051);
  const DzColours colours(dz, survey::Tolerance::within(0.05));
  EXPECT_NEAR(colours.limits()[4], 0.1, 1e-12);
  EXPECT_EQ(colours.classOf(0.051, false), 4u);
}

}  // namespace
}  // namespace check::report
