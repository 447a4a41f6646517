// The text height proposed for a check's labels, from the spacing of the design points and the
// size of the layout.
#include "check/draw/text_height_proposal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace check::draw {
namespace {

std::vector<survey::Point> road(double length, double spacing, double angle) {
  std::vector<survey::Point> points;
  for (int i = 0; i * spacing <= length + 1e-9; ++i) {
    points.push_back({"S" + std::to_string(i), 350000 + i * spacing * std::cos(angle),
                      6200000 + i * spacing * std::sin(angle), 12.0});
  }
  return points;
}

std::vector<survey::Point> grid(int side, double spacing) {
  std::vector<survey::Point> points;
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      points.push_back({"G", i * spacing, j * spacing, std::nullopt});
    }
  }
  return points;
}

struct Layout {
  const char* name;
  std::vector<survey::Point> design;
  std::optional<Eigen::AlignedBox2d> extents;
  double height;
};

void PrintTo(const Layout& layout, std::ostream* os) {
  *os << layout.name;
}

class ProposedTextHeight : public testing::TestWithParam<Layout> {};

TEST_P(ProposedTextHeight, SuitsTheLayout) {
  EXPECT_DOUBLE_EQ(proposedTextHeight(GetParam().design, GetParam().extents), GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ProposedTextHeight,
    testing::Values(
        // A tenth of the spacing, whatever the road's direction.
        Layout{"RoadOf500mAt30Degrees", road(500, 20, std::numbers::pi / 6), {}, 2.0},
        Layout{"SpacingAHairShort", road(500, 19.99999, std::numbers::pi / 6), {}, 2.0},
        Layout{"RoadRunningNorth", road(500, 20, std::numbers::pi / 2), {}, 2.0},
        Layout{"StakesEvery12m", road(480, 12, 0.3), {}, 1.0},
        Layout{"GridOf25cm", grid(20, 0.25), {}, 0.025},
        // Points close together in a large drawing: the labels stay readable on the whole.
        Layout{"ClusterInALargeDrawing", grid(3, 0.01),
               Eigen::AlignedBox2d(Eigen::Vector2d(0, 0), Eigen::Vector2d(2000, 100)), 1.0},
        // Two points far apart: no more than a fiftieth of the layout.
        Layout{"TwoFarApart", road(1000, 1000, 0), {}, 20.0},
        // Nothing that sets a spacing: a fiftieth of the drawing, or 1 without one.
        Layout{
            "OnePointInADrawing", road(0, 1, 0),
            Eigen::AlignedBox2d(Eigen::Vector2d(349900, 6199980), Eigen::Vector2d(350200, 6200020)),
            5.0},
        Layout{"AllAtOnePlace", {{"A", 5, 5, {}}, {"B", 5, 5, {}}}, {}, 1.0},
        Layout{"NoPoints", {}, {}, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TidyValue, TakesTheNearestStepByRatio) {
  for (const auto& [value, tidy] : std::vector<std::pair<double, double>>{{2.0, 2.0},
                                                                          {1.9999999, 2.0},
                                                                          {2.4, 2.5},
                                                                          {3.2, 2.5},
                                                                          {3.6, 5},
                                                                          {7, 5},
                                                                          {7.2, 10},
                                                                          {9.99, 10},
                                                                          {0.3, 0.25},
                                                                          {0.0173, 0.02},
                                                                          {1234, 1000},
                                                                          {1.4, 1}}) {
    EXPECT_DOUBLE_EQ(tidyValue(value), tidy) << value;
  }
}

}  // namespace
}  // namespace check::draw
