#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "survey/clothoid.h"
#include "survey/horizontal_alignment.h"
#include "survey/plan_element.h"
#include "survey/profile.h"

// Chainage and offset against lines, arcs and clothoid spirals, and levels along profiles, each
// against numbers worked out by hand or by an independent integration.
namespace survey {
namespace {

using Eigen::Vector2d;
constexpr double kPi = std::numbers::pi;

// The clothoid x = ∫cos(t²/2A²), y = ∫sin(t²/2A²) by its power series, independent of the
// quadrature under test.
Vector2d clothoidBySeries(double s, double a) {
  const double theta = s * s / (2.0 * a * a);
  double x = 0.0;
  double y = 0.0;
  double term = 1.0;  // θ^k / k!
  for (int k = 0; k < 40; ++k) {
    const double sign = (k / 2) % 2 == 0 ? 1.0 : -1.0;
    (k % 2 == 0 ? x : y) += sign * term / (2.0 * k + 1.0);
    term *= theta / (k + 1.0);
  }
  return {s * x, s * y};
}

TEST(Clothoid, MeetsTheFresnelIntegralsTables) {
  // C(x) = ∫cos(πt²/2), S(x) = ∫sin(πt²/2) from 0 to x, as published.
  const struct {
    double x, c, s;
  } table[] = {{0.5, 0.4923442258714464, 0.0647324328599100},
               {1.0, 0.7798934003768228, 0.4382591473903548},
               {2.0, 0.4882534060753408, 0.3434156783636982},
               {3.0, 0.6057207892976856, 0.4963129989673750}};
  for (const auto& row : table) {
    const Vector2d end = curvedPathEnd(0.0, 0.0, kPi, row.x);
    EXPECT_NEAR(end.x(), row.c, 1e-13) << row.x;
    EXPECT_NEAR(end.y(), row.s, 1e-13) << row.x;
  }
}

TEST(Clothoid, FollowsItsSeriesAlongARoadSpiral) {
  // A transition of 120 m into a radius of 300 m: A² = RL.
  const double length = 120.0;
  const double a = std::sqrt(300.0 * length);
  for (double s = 0.0; s <= length; s += 7.5) {
    const Vector2d expected = clothoidBySeries(s, a);
    const Vector2d end = curvedPathEnd(0.0, 0.0, 1.0 / (a * a), s);
    EXPECT_NEAR((end - expected).norm(), 0.0, 1e-9 * length) << s;
  }
}

TEST(Clothoid, APartSpiralBetweenTwoRadiiMatchesSimpsonsRule) {
  const double heading = 0.7, curvature = 1.0 / 500.0, length = 90.0;
  const double rate = (1.0 / 60.0 - curvature) / length;  // tightening to a radius of 60 m
  const int steps = 200000;
  const double h = length / steps;
  Vector2d sum = Vector2d::Zero();
  for (int i = 0; i <= steps; ++i) {
    const double t = i * h;
    const double phase = heading + curvature * t + rate * t * t / 2.0;
    const double weight = (i == 0 || i == steps) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
    sum += weight * Vector2d(std::cos(phase), std::sin(phase));
  }
  const Vector2d expected = sum * h / 3.0;
  EXPECT_NEAR((curvedPathEnd(heading, curvature, rate, length) - expected).norm(), 0.0,
              1e-9 * length);
}

// A road: 100 m east from the origin, a left-hand quarter circle of radius 50 about (100, 50),
// then 100 m north from (150, 50); chainage 1000 at the start.
HorizontalAlignment road() {
  return HorizontalAlignment(
      {PlanElement::line({0, 0}, {100, 0}), PlanElement::arc({100, 0}, {100, 50}, {150, 50}, false),
       PlanElement::line({150, 50}, {150, 150})},
      1000.0);
}

struct StationCase {
  const char* where;
  Vector2d point;
  double chainage;
  double offset;
  bool beyondEnds;
};

TEST(Station, IsFoundOnLinesArcsJointsAndBeyondTheEnds) {
  const double quarter = 50.0 * kPi / 2.0;
  const double diagonal = std::sqrt(0.5);
  const StationCase cases[] = {
      {"right of the first line", {30, -2}, 1030, 2, false},
      {"left of the first line", {30, 4}, 1030, -4, false},
      {"square to the joint of line and arc", {100, -3}, 1100, 3, false},
      {"on the inside of the curve, 10 m in",
       Vector2d(100, 50) + 40 * Vector2d(diagonal, -diagonal), 1100 + quarter / 2, -10, false},
      {"on the outside of the curve", Vector2d(100, 50) + 60 * Vector2d(diagonal, -diagonal),
       1100 + quarter / 2, 10, false},
      {"deep inside the curve, nearer the arc than the lines' ends",
       {110, 40},
       1100 + quarter / 2,
       -(50 - std::sqrt(200.0)),
       false},
      {"on the last line", {148, 100}, 1100 + quarter + 50, -2, false},
      {"before the start", {-5, 1}, 995, -1, true},
      {"beyond the end", {151, 160}, 1100 + quarter + 110, 1, true},
  };
  const HorizontalAlignment alignment = road();
  for (const StationCase& c : cases) {
    const Station station = alignment.stationOf(c.point);
    EXPECT_NEAR(station.chainage, c.chainage, 1e-9) << c.where;
    EXPECT_NEAR(station.offset, c.offset, 1e-9) << c.where;
    EXPECT_EQ(station.beyondEnds, c.beyondEnds) << c.where;
  }
}

TEST(Station, OutsideTheCornerOfAPolylineIsAtItsVertexOnTheOuterSide) {
  const HorizontalAlignment kinked(
      {PlanElement::line({0, 0}, {100, 0}), PlanElement::line({100, 0}, {100, 100})}, 0.0);
  const Station outside = kinked.stationOf({103, -3});
  EXPECT_NEAR(outside.chainage, 100.0, 1e-12);
  EXPECT_NEAR(outside.offset, 3 * std::sqrt(2.0), 1e-12);
  EXPECT_FALSE(outside.beyondEnds);
  const Station inside = kinked.stationOf({97, 2});
  EXPECT_NEAR(inside.chainage, 97.0, 1e-12);
  EXPECT_NEAR(inside.offset, -2.0, 1e-12);
}

TEST(Station, OnASpiralIsItsLengthAlongAndTheDistanceSquareToIt) {
  // East along a line, then a right-hand transition of 80 m into a radius of 200 m, then the
  // circle for 60 m.
  const PlanElement spiral = PlanElement::spiral({100, 0}, 0.0, 80.0, 0.0, -1.0 / 200.0);
  const Vector2d arcStart = spiral.pointAt(80.0);
  const double arcHeading = spiral.headingAt(80.0);
  const Vector2d center = arcStart + 200.0 * Vector2d(std::sin(arcHeading), -std::cos(arcHeading));
  const double arcTurn = 60.0 / 200.0;
  const Vector2d arcEnd =
      center + 200.0 * Vector2d(-std::sin(arcHeading - arcTurn), std::cos(arcHeading - arcTurn));
  const HorizontalAlignment alignment({PlanElement::line({0, 0}, {100, 0}), spiral,
                                       PlanElement::arc(arcStart, center, arcEnd, true)},
                                      0.0);
  EXPECT_NEAR(alignment.endChainage(), 240.0, 1e-9);
  for (const double along : {0.0, 0.001, 10.0, 39.5, 79.999, 80.0}) {
    for (const double offset : {-7.5, -0.01, 0.0, 3.25, 12.0}) {
      const double heading = spiral.headingAt(along);
      const Vector2d point =
          spiral.pointAt(along) + offset * Vector2d(std::sin(heading), -std::cos(heading));
      const Station station = alignment.stationOf(point);
      EXPECT_NEAR(station.chainage, 100.0 + along, 1e-9) << along << " " << offset;
      EXPECT_NEAR(station.offset, offset, 1e-9) << along << " " << offset;
    }
  }
  // The spiral's end meets the circle it leads into: same point, same heading.
  EXPECT_NEAR((alignment.pointAt(180.0 - 1e-9) - alignment.pointAt(180.0 + 1e-9)).norm(), 0.0,
              1e-8);
  EXPECT_NEAR(alignment.headingAt(240.0), arcHeading - arcTurn, 1e-12);
}

TEST(Profile, GivesLevelsOnGradesAndOnBothKindsOfVerticalCurve) {
  // +2 % to a crest at 200 rounded by a parabola of 100 m, -2 % to a sag at 400 rounded by a
  // circle of radius 5000 m, +2 % to 600.
  const Profile profile({{0, 100},
                         {200, 104, VerticalCurve::Parabola, 100},
                         {400, 100, VerticalCurve::Circle, 0, 5000},
                         {600, 104}});
  const double sagBottom = 100.0 + 5000.0 * (std::sqrt(1.0004) - 1.0);
  const double tangent = 5000.0 * std::tan(std::atan(0.02));  // the circle's half, along a grade
  const struct {
    double chainage;
    double level;
  } cases[] = {{0, 100},
               {100, 102},
               {150, 103},                   // where the parabola starts
               {175, 103 + 0.5 - 0.125},     // grade plus (g2 - g1)x²/2L
               {200, 104 - 0.04 * 100 / 8},  // the middle: the grade's level less (g1 - g2)L/8
               {250, 103},                   // where it ends
               {400, sagBottom},             // the lowest point of the circle
               {600, 104}};
  for (const auto& c : cases) {
    ASSERT_TRUE(profile.levelAt(c.chainage)) << c.chainage;
    EXPECT_NEAR(*profile.levelAt(c.chainage), c.level, 1e-9) << c.chainage;
  }
  // The circle leaves the grades at its tangent points, level with them on both sides.
  const double first = 400.0 - tangent * std::cos(std::atan(0.02));
  EXPECT_NEAR(*profile.levelAt(first), 100.0 + 0.02 * (400.0 - first), 1e-9);
  EXPECT_NEAR(*profile.levelAt(first + 1e-6), *profile.levelAt(first - 1e-6), 1e-7);
  EXPECT_FALSE(profile.levelAt(-0.5));
  EXPECT_FALSE(profile.levelAt(600.5));
}

TEST(Profile, FindsTheRadiusOfACircularCurveGivenByItsLength) {
  const double length = 2.0 * 5000.0 * std::sin(std::atan(0.02));
  const Profile byLength({{0, 104}, {200, 100, VerticalCurve::Circle, length}, {400, 104}});
  const Profile byRadius({{0, 104}, {200, 100, VerticalCurve::Circle, 0, 5000}, {400, 104}});
  for (const double chainage : {110.0, 150.0, 200.0, 260.0}) {
    EXPECT_NEAR(*byLength.levelAt(chainage), *byRadius.levelAt(chainage), 1e-9) << chainage;
  }
}

TEST(Profile, RefusesPvisOutOfOrderAndCurvesAtItsEnds) {
  EXPECT_THROW(Profile({{0, 100}}), std::invalid_argument);
  EXPECT_THROW(Profile({{0, 100}, {0, 101}}), std::invalid_argument);
  EXPECT_THROW(Profile({{0, 100, VerticalCurve::Parabola, 10}, {50, 101}}), std::invalid_argument);
}

}  // namespace
}  // namespace survey
