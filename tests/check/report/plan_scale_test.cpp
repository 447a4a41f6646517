#include "check/report/plan_scale.h"

#include <gtest/gtest.h>

namespace check::report {
namespace {

TEST(PlanScale, RoundNumbersAreOneTwoOrFiveTimesAPowerOfTen) {
  const struct {
    double value;
    double round;
  } cases[] = {{1, 1},         {1.9, 1},   {2, 2},     {4.99, 2},    {5, 5},
               {9.99, 5},      {10, 10},   {730, 500}, {0.03, 0.02}, {0.05, 0.05},
               {0.0123, 0.01}, {0.3, 0.2}, {64.1, 50}, {2e6, 2e6}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(roundNumberAtMost(c.value), c.round) << c.value;
}

TEST(PlanScale, TheLongestVectorIsDrawnAboutTheTargetLength) {
  const struct {
    double longest;
    double mmPerUnit;
    double exaggeration;
  } cases[] = {
      {0.03, 7.8, 50},      // 15 mm wanted: 64 times, rounded down to 50
      {0.001, 1.0, 10000},  // a millimetre on a plan of a metre to the millimetre
      {10.0, 1.0, 1},       // longer than wanted: drawn as it is, never shrunk
      {0.0, 7.8, 1},        // no deviation at all
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(vectorExaggeration(c.longest, c.mmPerUnit, 15.0), c.exaggeration)
        << c.longest << " at " << c.mmPerUnit << " mm per unit";
  }
}

}  // namespace
}  // namespace check::report
