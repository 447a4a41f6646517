#include "survey/surface_volumes.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <utility>

#include "survey/surface_locator.h"

// Volumes between two surfaces checked against solids a surveyor computes by hand.
namespace survey {
namespace {

// A rectangle from (x0, y0) to (x1, y1), two faces, with the level `z` at its corners.
template <class Level>
TinSurface rectangle(double x0, double y0, double x1, double y1, Level z) {
  TinSurface surface;
  surface.name = "rectangle";
  surface.points = {
      {x0, y0, z(x0, y0)}, {x1, y0, z(x1, y0)}, {x1, y1, z(x1, y1)}, {x0, y1, z(x0, y1)}};
  surface.faces = {{0, 1, 2}, {0, 2, 3}};
  return surface;
}

struct VolumeCase {
  const char* solid;
  TinSurface surveyed;
  double cut, fill, area;
};

TEST(SurfaceVolumes, PrismsAndWedgesComputedByHand) {
  // The design: a 20 by 10 plane at level 100, split the other way from the surveys, and
  // larger than some of them.
  TinSurface design;
  design.name = "design";
  design.points = {
      {500000, 6e6, 100}, {500020, 6e6, 100}, {500020, 6e6 + 10, 100}, {500000, 6e6 + 10, 100}};
  design.faces = {{0, 1, 3}, {1, 2, 3}};
  const SurfaceLocator locator(design);
  const double x0 = 500000, y0 = 6e6;
  const VolumeCase cases[] = {
      // A prism 0.5 high over 20 x 10: 100 of fill.
      {"prism above", rectangle(x0, y0, x0 + 20, y0 + 10, [](double, double) { return 100.5; }),
       0.0, 100.0, 200.0},
      {"prism below", rectangle(x0, y0, x0 + 20, y0 + 10, [](double, double) { return 99.8; }),
       40.0, 0.0, 200.0},
      // A wedge from 0 to 1 m across 20 m, 10 m long: half of 20 x 10 x 1.
      {"wedge",
       rectangle(x0, y0, x0 + 20, y0 + 10,
                 [&](double x, double) { return 100.0 + (x - x0) / 20.0; }),
       0.0, 100.0, 200.0},
      // Crossing the design in the middle: two wedges of 10 x 10 x 0.5 / 2 = 25 each.
      {"crossing wedge",
       rectangle(x0, y0, x0 + 20, y0 + 10,
                 [&](double x, double) { return 99.5 + (x - x0) / 20.0; }),
       25.0, 25.0, 200.0},
      // Half of the survey lies beyond the design: only 10 x 10 is compared.
      {"half outside",
       rectangle(x0 + 10, y0, x0 + 30, y0 + 10, [](double, double) { return 101.0; }), 0.0, 100.0,
       100.0},
  };
  for (const VolumeCase& c : cases) {
    const SurfaceVolumes volumes = volumesBetween(c.surveyed, design, locator, std::nullopt);
    EXPECT_NEAR(volumes.total.cut, c.cut, 1e-6) << c.solid;
    EXPECT_NEAR(volumes.total.fill, c.fill, 1e-6) << c.solid;
    EXPECT_NEAR(volumes.total.area, c.area, 1e-6) << c.solid;
    EXPECT_NEAR(volumes.surveyArea, 200.0, 1e-6) << c.solid;
  }
}

TEST(SurfaceVolumes, AGridSharesTheVolumesOutOverItsSquares) {
  const TinSurface design = rectangle(0, 0, 20, 10, [](double, double) { return 0.0; });
  const SurfaceLocator locator(design);
  // A wedge rising 1 per 10 m in x: the squares of 5 m hold 2.5 x 5 x 5 times 0.05, 0.15, ...
  const TinSurface surveyed = rectangle(0, 0, 20, 10, [](double x, double) { return x / 10.0; });
  const SurfaceVolumes volumes = volumesBetween(surveyed, design, locator, 5.0);
  ASSERT_EQ(volumes.squares.size(), 8u);
  double sum = 0.0;
  for (const GridSquare& square : volumes.squares) {
    const double middleX = square.x + 2.5;
    EXPECT_NEAR(square.sums.fill, 25.0 * middleX / 10.0, 1e-9) << square.x << " " << square.y;
    EXPECT_NEAR(square.sums.area, 25.0, 1e-9);
    sum += square.sums.fill;
  }
  EXPECT_NEAR(sum, volumes.total.fill, 1e-9);
  EXPECT_NEAR(volumes.total.fill, 200.0, 1e-9);
  EXPECT_THROW(volumesBetween(surveyed, design, locator, 0.001), std::invalid_argument);
}

TEST(SurfaceVolumes, ASmallPieceFarFromTheFirstShotKeepsItsDigits) {
  // A 2 cm square of survey 6 km from the survey's first point, rising 1 in 1 in x over a flat
  // design: its area and volume are worked out near the piece, not from the far point.
  const TinSurface design =
      rectangle(500000, 6e6, 506000, 6006000, [](double, double) { return 100.0; });
  const SurfaceLocator locator(design);
  const double x0 = 505000, y0 = 6004000, side = 0.02;
  TinSurface surveyed;
  surveyed.points = {{500000, 6e6, 100.0}};
  for (const auto& [x, y] :
       {std::pair{x0, y0}, {x0 + side, y0}, {x0 + side, y0 + side}, {x0, y0 + side}}) {
    surveyed.points.push_back({x, y, 100.5 + (x - x0)});
  }
  surveyed.faces = {{1, 2, 3}, {1, 3, 4}};
  // The sides as the coordinates hold them: 6004000.02 is not exact in binary.
  const double width = surveyed.points[2].x - x0, depth = surveyed.points[4].y - y0;
  const double area = width * depth, fill = area * (0.5 + width / 2);
  for (const std::optional<double> grid :
       {std::optional<double>{}, std::optional<double>{1000.0}}) {
    const SurfaceVolumes volumes = volumesBetween(surveyed, design, locator, grid);
    EXPECT_NEAR(volumes.total.area, area, area * 1e-9) << grid.has_value();
    EXPECT_NEAR(volumes.total.fill, fill, fill * 1e-9) << grid.has_value();
    EXPECT_EQ(volumes.total.cut, 0.0);
  }
}

TEST(SurfaceVolumes, SquaresOfAnySizeShareOutTheSameVolumes) {
  // Faces that lie across many squares and a design they cross: whatever the grid, its squares
  // add up to the volumes without one.
  TinSurface design;
  design.points = {{1000, 2000, 10.0}, {1030, 2001, 10.6}, {1028, 2025, 9.4}, {999, 2024, 10.1}};
  design.faces = {{0, 1, 2}, {0, 2, 3}};
  const SurfaceLocator locator(design);
  TinSurface surveyed;
  surveyed.points = {{1002.3, 2001.7, 10.3},
                     {1026.1, 2003.2, 9.8},
                     {1014.9, 2012.4, 10.4},
                     {1024.4, 2021.9, 10.2},
                     {1003.1, 2020.6, 9.7}};
  surveyed.faces = {{0, 1, 2}, {1, 3, 2}, {3, 4, 2}, {4, 0, 2}};
  const SurfaceVolumes whole = volumesBetween(surveyed, design, locator, std::nullopt);
  ASSERT_GT(whole.total.cut, 1.0);
  ASSERT_GT(whole.total.fill, 1.0);
  for (const double size : {0.7, 1.0, 3.3, 50.0}) {
    const SurfaceVolumes gridded = volumesBetween(surveyed, design, locator, size);
    VolumeSums sum;
    for (const GridSquare& square : gridded.squares) {
      sum += square.sums;
    }
    EXPECT_NEAR(sum.cut, whole.total.cut, 1e-9) << size;
    EXPECT_NEAR(sum.fill, whole.total.fill, 1e-9) << size;
    EXPECT_NEAR(sum.area, whole.total.area, 1e-9) << size;
    EXPECT_NEAR(gridded.total.fill - gridded.total.cut, whole.total.fill - whole.total.cut, 1e-9);
  }
}

}  // namespace
}  // namespace survey
