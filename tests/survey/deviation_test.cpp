#include "survey/deviation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "survey/design_points.h"
#include "survey/measuring_frame.h"
#include "survey/tolerance.h"

// Deviations and their verdicts as the surveyor reads them: survey minus design along the
// frame's axes, and a tolerance tested on the number as written.
namespace survey {
namespace {

Point at(double x, double y, std::optional<double> z = std::nullopt) {
  return {"P", x, y, z};
}

struct DeviationCase {
  const char* what;
  Frame frame;
  Point design;
  Point survey;
  double dx;
  double dy;
  std::optional<double> dz;
};

void PrintTo(const DeviationCase& c, std::ostream* os) {
  *os << c.what;
}

class DeviationAlongFrame : public testing::TestWithParam<DeviationCase> {};

TEST_P(DeviationAlongFrame, IsSurveyMinusDesign) {
  const DeviationCase& c = GetParam();
  const Deviation d = deviationOf(c.design, c.survey, c.frame);
  EXPECT_EQ(d.dx, c.dx);
  EXPECT_EQ(d.dy, c.dy);
  EXPECT_EQ(d.dz, c.dz);
  EXPECT_NEAR(d.dh, std::hypot(c.dx, c.dy), 1e-14 * d.dh);  // also cut to 15 digits
}

// X along world Y, Y along world -X, far from the world origin.
const Frame kTurned = measuringFrame({5000, 3000, 10}, {0, 1, 0}, {-1, 0, 0});
// Turned 90° about world X: UCS Y is world Z, UCS Z is world -Y.
const Frame kUpright = measuringFrame({0, 0, 0}, {1, 0, 0}, {0, 0, 1});

INSTANTIATE_TEST_SUITE_P(
    Frames, DeviationAlongFrame,
    testing::Values(
        // 100.012 - 100 is 0.012000000000000455 in binary, cut to 15 digits as Pick does.
        DeviationCase{"world axes, cut to 15 digits", Frame(), at(100, 200, 10),
                      at(100.012, 199.995, 10.004), 0.0120000000000005, -0.00499999999999545,
                      0.00399999999999956},
        DeviationCase{"a turned and moved UCS", kTurned, at(5100, 3200, 12),
                      at(5100.25, 3200.5, 12.5), 0.5, -0.25, 0.5},
        DeviationCase{"no height on one side: none for dz", Frame(), at(1, 1, 5), at(2, 3), 1, 2,
                      std::nullopt},
        DeviationCase{"without heights, an upright UCS sees both points at height 0", kUpright,
                      at(0, 0, 7), at(1, 2), 1, 0, std::nullopt}));

TEST(Frame, RefusesAxesThatAreNoFrame) {
  EXPECT_THROW(measuringFrame({0, 0, 0}, {2, 0, 0}, {0, 1, 0}), std::invalid_argument);
  EXPECT_THROW(measuringFrame({0, 0, 0}, {1, 0, 0}, Eigen::Vector3d(0.1, 1, 0).normalized()),
               std::invalid_argument);
  EXPECT_THROW(measuringFrame({2e12, 0, 0}, {1, 0, 0}, {0, 1, 0}), std::invalid_argument);
  EXPECT_THROW(measuringFrame({NAN, 0, 0}, {1, 0, 0}, {0, 1, 0}), std::invalid_argument);
}

TEST(Tolerances, AreReadFromTheCommandLineText) {
  const Tolerances all = parseTolerances("x=0.02,y=0.03,z=0.01,h=0.025", pointComponents());
  EXPECT_EQ(all[kDx]->upper, 0.02);
  EXPECT_EQ(all[kDy]->upper, 0.03);
  EXPECT_EQ(all[kDz]->upper, 0.01);
  EXPECT_EQ(all[kDh]->upper, 0.025);
  EXPECT_EQ(all[kDx]->lower, -0.02);
  const Tolerances some = parseTolerances("h=0", pointComponents());
  EXPECT_FALSE(some[kDx]);
  EXPECT_EQ(some[kDh]->upper, 0.0);
}

TEST(Tolerances, RefuseWhatIsNoTolerance) {
  for (const char* text : {"", "q=1", "x", "x=", "x=-1", "x=abc", "x=1,x=2", "xy=1", "x=1,"}) {
    EXPECT_THROW(parseTolerances(text, pointComponents()), std::invalid_argument) << text;
  }
}

struct WithinCase {
  double value;
  double limit;
  int decimals;
  bool within;
};

class WithinTolerance : public testing::TestWithParam<WithinCase> {};

TEST_P(WithinTolerance, AsTheNumberIsWritten) {
  const WithinCase& c = GetParam();
  EXPECT_EQ(withinTolerance(c.value, c.limit, c.decimals), c.within) << c.value;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, WithinTolerance,
                         testing::Values(WithinCase{100.0 - 99.98, 0.02, 3,
                                                    true},  // 0.0200000000000102
                                         WithinCase{-(100.0 - 99.98), 0.02, 3, true},
                                         WithinCase{0.0205, 0.02, 3, false},  // written 0.021
                                         WithinCase{0.02049, 0.02, 3, true},  // written 0.020
                                         WithinCase{0.024, 0.02, 2, true},    // written 0.02
                                         WithinCase{0.0004, 0.0, 3, true},    // written 0.000
                                         WithinCase{0.0005, 0.0, 3, false}));

TEST(FailingComponents, NamesEachComponentOutsideItsTolerance) {
  const Tolerances tolerances = parseTolerances("x=0.02,z=0.01,h=0.025", pointComponents());
  ComponentValues d{0.03, 0.1, 0.002, std::hypot(0.03, 0.1)};
  EXPECT_EQ(failingComponents(d, tolerances, 3), (std::vector<std::size_t>{kDx, kDh}));
  d = {0.01, 0.01, std::nullopt, std::hypot(0.01, 0.01)};
  EXPECT_TRUE(failingComponents(d, tolerances, 3).empty());
}

}  // namespace
}  // namespace survey
