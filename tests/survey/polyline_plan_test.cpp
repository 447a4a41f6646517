// A polyline's segments as an alignment's elements: the side a bulge turns to, the segments
// passed over, and the closing segment.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "survey/polyline_plan.h"

namespace survey {
namespace {

struct BulgeCase {
  double bulge;
  ElementKind kind;
  double length;
  Eigen::Vector2d middle;  // the element's point halfway along it
};

class BulgedSegment : public testing::TestWithParam<BulgeCase> {};

TEST_P(BulgedSegment, TurnsToItsSide) {
  const auto elements = planOfPolyline({{{0, 0}, GetParam().bulge}, {{10, 0}, 0.0}}, false);
  ASSERT_EQ(elements.size(), 1u);
  EXPECT_EQ(elements[0].kind(), GetParam().kind);
  EXPECT_NEAR(elements[0].length(), GetParam().length, 1e-9);
  const Eigen::Vector2d middle = elements[0].pointAt(elements[0].length() / 2.0);
  EXPECT_NEAR((middle - GetParam().middle).norm(), 0.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BulgedSegment,
    testing::Values(
        // A half circle anticlockwise from (0,0) to (10,0) passes below its centre (5,0).
        BulgeCase{1.0, ElementKind::Arc, 5.0 * std::numbers::pi, {5, -5}},
        BulgeCase{-1.0, ElementKind::Arc, 5.0 * std::numbers::pi, {5, 5}},
        BulgeCase{0.0, ElementKind::Line, 10.0, {5, 0}},
        // Too flat for an arc whose centre doubles can hold.
        BulgeCase{1e-300, ElementKind::Line, 10.0, {5, 0}}));

TEST(PolylinePlan, PassesOverRepeatedVerticesAndClosesWhenClosed) {
  const std::vector<BulgedVertex> triangle{{{0, 0}}, {{4, 0}}, {{4, 0}}, {{4, 3}}};
  EXPECT_EQ(planOfPolyline(triangle, false).size(), 2u);
  const auto closed = planOfPolyline(triangle, true);
  ASSERT_EQ(closed.size(), 3u);
  EXPECT_NEAR(closed[2].length(), 5.0, 1e-12);
  EXPECT_TRUE(planOfPolyline({{{1, 1}}}, true).empty());
  EXPECT_TRUE(planOfPolyline({}, false).empty());
}

}  // namespace
}  // namespace survey
