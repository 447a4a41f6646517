#include <ostream>

#include <gtest/gtest.h>

#include "host/view-core/clip.h"

namespace host::view {
namespace {

const Eigen::AlignedBox2d kBox(Eigen::Vector2d(0, 0), Eigen::Vector2d(10, 10));

struct ClipCase {
  const char* name;
  Eigen::Vector2d a, b;
  bool kept;
  Eigen::Vector2d clippedA, clippedB;
};

void PrintTo(const ClipCase& c, std::ostream* out) {
  *out << c.name;
}

class SegmentClip : public testing::TestWithParam<ClipCase> {};

TEST_P(SegmentClip, KeepsExactlyThePartInsideTheBox) {
  Eigen::Vector2d a = GetParam().a;
  Eigen::Vector2d b = GetParam().b;
  ASSERT_EQ(clipSegment(a, b, kBox), GetParam().kept);
  if (GetParam().kept) {
    EXPECT_TRUE(a.isApprox(GetParam().clippedA, 1e-12)) << a.transpose();
    EXPECT_TRUE(b.isApprox(GetParam().clippedB, 1e-12)) << b.transpose();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SegmentClip,
    testing::Values(ClipCase{"inside", {1, 1}, {9, 9}, true, {1, 1}, {9, 9}},
                    ClipCase{"across", {-5, 5}, {15, 5}, true, {0, 5}, {10, 5}},
                    ClipCase{"acrossBackwards", {15, 5}, {-5, 5}, true, {10, 5}, {0, 5}},
                    ClipCase{"diagonalThroughCorners", {-1, -1}, {11, 11}, true, {0, 0}, {10, 10}},
                    ClipCase{"oneEndOutside", {5, 5}, {5, 1e12}, true, {5, 5}, {5, 10}},
                    ClipCase{"parallelOutside", {-5, 11}, {15, 11}, false, {0, 0}, {0, 0}},
                    ClipCase{"pastTheCorner", {-5, 4}, {4, -5}, false, {0, 0}, {0, 0}},
                    ClipCase{"onTheEdge", {0, -3}, {0, 3}, true, {0, 0}, {0, 3}},
                    ClipCase{"pointInside", {3, 3}, {3, 3}, true, {3, 3}, {3, 3}},
                    ClipCase{"pointOutside", {-3, 3}, {-3, 3}, false, {0, 0}, {0, 0}}));

TEST(PolylineClip, LeavingAndComingBackGivesTwoParts) {
  const std::vector<Eigen::Vector2d> zigzag{{1, 1}, {20, 1}, {20, 9}, {1, 9}};
  const auto parts = clipPolyline(zigzag, false, kBox);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0], (std::vector<Eigen::Vector2d>{{1, 1}, {10, 1}}));
  EXPECT_EQ(parts[1], (std::vector<Eigen::Vector2d>{{10, 9}, {1, 9}}));
  // Closed, the last segment joins the first part's start back to the second part.
  EXPECT_EQ(clipPolyline(zigzag, true, kBox).size(), 2u);
  EXPECT_EQ(clipPolyline(zigzag, true, kBox)[1].back(), Eigen::Vector2d(1, 1));
}

// The area of a polygon (shoelace), to compare clipped fills whatever vertex they start from.
double area(const std::vector<Eigen::Vector2d>& polygon) {
  double twice = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const auto& a = polygon[i];
    const auto& b = polygon[(i + 1) % polygon.size()];
    twice += a.x() * b.y() - b.x() * a.y();
  }
  return std::abs(twice) / 2.0;
}

TEST(PolygonClip, KeepsTheAreaInsideTheBox) {
  struct Case {
    const char* name;
    std::vector<Eigen::Vector2d> polygon;
    double area;
  };
  const Case cases[] = {
      {"inside", {{1, 1}, {9, 1}, {9, 9}}, 32},
      {"overTheRightSide", {{5, 2}, {15, 2}, {15, 4}, {5, 4}}, 10},
      {"coveringTheBox", {{-5, -5}, {15, -5}, {15, 15}, {-5, 15}}, 100},
      {"outside", {{11, 11}, {20, 11}, {20, 20}}, 0},
      {"cuttingTheCorners", {{-2, 5}, {5, -2}, {12, 5}, {5, 12}}, 100 - 4 * 4.5},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(area(clipPolygon(c.polygon, kBox)), c.area, 1e-9) << c.name;
  }
  EXPECT_TRUE(clipPolygon({{11, 11}, {20, 11}, {20, 20}}, kBox).empty());
}

}  // namespace
}  // namespace host::view
