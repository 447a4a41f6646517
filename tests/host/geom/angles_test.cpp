#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "host/geom/angles.h"

namespace host::geom {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180.0;

struct TurnCase {
  std::string name;
  double start;
  double end;
  bool full;
  std::optional<double> sweep;  // when not full and worth checking
  // How closely the ends point the way the given angles do; none where so large an angle has
  // lost its direction to rounding.
  std::optional<double> directionTolerance = 1e-12;
};

void PrintTo(const TurnCase& c, std::ostream* os) {
  *os << c.name;
}

bool pointsTheSameWay(double a, double b, double tolerance) {
  return std::abs(std::cos(a) - std::cos(b)) <= tolerance &&
         std::abs(std::sin(a) - std::sin(b)) <= tolerance;
}

class OneTurn : public testing::TestWithParam<TurnCase> {};

TEST_P(OneTurn, StartsWithinATurnAndSweepsAtMostATurnCounterClockwise) {
  const TurnCase& c = GetParam();
  const AngleSpan span = oneTurn(c.start, c.end);
  EXPECT_GE(span.start, 0.0);
  EXPECT_LT(span.start, kFullTurn);
  EXPECT_GT(span.sweep, 0.0);
  EXPECT_LE(span.sweep, kFullTurn);
  EXPECT_EQ(span.isFullTurn(), c.full);
  if (c.sweep) {
    EXPECT_NEAR(span.sweep, *c.sweep, 1e-9 * std::abs(*c.sweep) + 1e-15);
  }
  if (c.directionTolerance) {
    EXPECT_TRUE(pointsTheSameWay(span.start, c.start, *c.directionTolerance));
    if (!c.full) {
      EXPECT_TRUE(pointsTheSameWay(span.end(), c.end, *c.directionTolerance));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Angles, OneTurn,
    testing::Values(
        TurnCase{"Quarter", 0.0, kPi / 2, false, kPi / 2},
        TurnCase{"ZeroToATurnIsFull", 0.0, kFullTurn, true, {}},
        TurnCase{"MinusATurnToZeroIsFull", -kFullTurn, 0.0, true, {}},
        TurnCase{"EqualEndsAreFull", 1.0, 1.0, true, {}},
        TurnCase{"ATurnAndAQuarterIsAQuarter", 0.0, kFullTurn + kPi / 2, false, kPi / 2},
        TurnCase{"EndBelowStartGoesOnThroughZero", 5.5, 0.5, false, 0.5 + kFullTurn - 5.5},
        TurnCase{"NegativeAngles", -kPi / 2, -kPi / 4, false, kPi / 4},
        TurnCase{"NegativeStart", -1.0, 1.0, false, 2.0},
        TurnCase{"TinyArc", 1.0, 1.0 + 1e-10, false, 1e-10},
        TurnCase{"TinyShortOfATurn", 1.0, 1.0 - 1e-10, false, kFullTurn - 1e-10},
        TurnCase{"TinyNegativeStart", -1e-300, kPi, false, kPi},
        // A turn apart in degrees, which in radians reduce to a rounding apart either way.
        TurnCase{"DegreesATurnApartAreFull", 2 * kDegree, 362 * kDegree, true, {}},
        TurnCase{"DegreesATurnApartTheOtherWayAreFull", 1 * kDegree, 361 * kDegree, true, {}},
        TurnCase{"Huge1e9", 1e9, 1e9 + 1.0, false, 1.0, 1e-6},
        TurnCase{"HugeEnd1e7", 0.0, 1e7, false, {}, 1e-8},
        TurnCase{"HugeEnd1e12", 0.0, 1e12, false, {}, 1e-3},
        TurnCase{"Start1e20HasNoDirectionLeftAndIsFull", 1e20, 1.0, true, {}, std::nullopt},
        TurnCase{"Both1e20", -1e20, 1e20, true, {}, std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(OneTurn, NonFiniteAnglesGiveANonFiniteSpan) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const auto& [start, end] : {std::pair{nan, 1.0}, {1.0, nan}, {kInf, 1.0}, {1.0, -kInf}}) {
    const AngleSpan span = oneTurn(start, end);
    EXPECT_FALSE(std::isfinite(span.start) && std::isfinite(span.sweep)) << start << " " << end;
    EXPECT_FALSE(span.isFullTurn());
  }
}

}  // namespace
}  // namespace host::geom
