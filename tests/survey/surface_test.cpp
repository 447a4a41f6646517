#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "survey/landxml_surface.h"
#include "survey/point_file_error.h"
#include "survey/surface_check.h"
#include "survey/surface_locator.h"
#include "survey/surface_triangulation.h"
#include "survey/tolerance.h"

// The design level under a shot, as a surveyor would work it out by hand on the triangles.
namespace survey {
namespace {

// Two faces over a 10 m square: ABC rises 0.2 m per metre in x and in y, ACD 0.4 in x.
TinSurface handSquare() {
  TinSurface surface;
  surface.name = "square";
  surface.points = {{0, 0, 10}, {10, 0, 12}, {10, 10, 14}, {0, 10, 10}};
  surface.faces = {{0, 1, 2}, {0, 3, 2}};  // the second turns the other way
  return surface;
}

struct LevelCase {
  const char* where;
  double x, y;
  std::optional<double> z;
};

TEST(SurfaceLevel, HandComputedFacesGiveTheLevelOnVerticesEdgesTheHullAndNothingOutside) {
  const TinSurface surface = handSquare();
  const SurfaceLocator locator(surface);
  const LevelCase cases[] = {
      {"on vertex B", 10, 0, 12},
      {"on vertex A", 0, 0, 10},
      {"on the shared edge", 5, 5, 12},
      {"on the hull", 5, 0, 11},
      {"on the far hull", 0, 5, 10},
      {"inside ACD", 2, 6, 10.8},
      {"inside ABC", 8, 2, 12},
      {"just outside", 5, -0.001, std::nullopt},
      {"just outside the far corner", 10.001, 10, std::nullopt},
      {"far away", 500, 500, std::nullopt},
  };
  for (const LevelCase& c : cases) {
    const std::optional<SurfaceHit> hit = locator.at(c.x, c.y);
    ASSERT_EQ(hit.has_value(), c.z.has_value()) << c.where;
    if (c.z) {
      EXPECT_NEAR(hit->z, *c.z, 1e-9) << c.where;
    }
  }
}

TEST(SurfaceLevel, WithAReachAShotJustBeyondTheEdgeIsOnItsNearestFace) {
  // Half a millimetre of reach, as for levels to three decimals.
  const TinSurface surface = handSquare();
  const SurfaceLocator locator(surface, 0.0005);
  const LevelCase cases[] = {
      {"3/100 mm beyond the hull of ABC", 5, -0.00003, 11 - 0.00003 * 0.2},
      {"beyond the far corner", 10.0002, 10.0002, 14 + 0.0002 * 0.4},
      {"inside ACD near ABC: the plane of ACD", 5, 5.0001, 12},
      {"a millimetre beyond", 5, -0.001, std::nullopt},
  };
  for (const LevelCase& c : cases) {
    const std::optional<SurfaceHit> hit = locator.at(c.x, c.y);
    ASSERT_EQ(hit.has_value(), c.z.has_value()) << c.where;
    if (c.z) {
      EXPECT_NEAR(hit->z, *c.z, 1e-9) << c.where;
    }
  }
}

TEST(SurfaceLevel, TriangulatedPointsOnAPlaneGiveThePlaneEverywhereAtSurveyCoordinates) {
  const auto plane = [](double x, double y) {
    return 100.0 + 0.1 * (x - 500000) - 0.05 * (y - 5e6);
  };
  TriangulationInput input{"plane.csv", {}, {}, {}};
  for (int i = 0; i <= 20; ++i) {
    for (int j = 0; j <= 20; ++j) {
      const double x = 500000 + 7.3 * i + 0.1 * (j % 3), y = 5e6 + 5.1 * j + 0.2 * (i % 2);
      input.points.push_back({x, y, plane(x, y)});
    }
  }
  const TinSurface surface = triangulate(input);
  const SurfaceLocator locator(surface);
  for (double x = 500001.0; x < 500140.0; x += 13.7) {
    for (double y = 5e6 + 1.0; y < 5e6 + 100.0; y += 9.1) {
      const std::optional<SurfaceHit> hit = locator.at(x, y);
      ASSERT_TRUE(hit) << x << " " << y;
      EXPECT_NEAR(hit->z, plane(x, y), 1e-8);
      EXPECT_NEAR(hit->normalZ, 1.0 / std::sqrt(1.0 + 0.01 + 0.0025), 1e-9);
    }
  }
}

TEST(SurfaceShotsTest, DzIsFillAboveAndDnFollowsTheNormalOfASlope) {
  // A 45 degree slope: a shot 1 m above it is 0.7071 m from it along the normal.
  TinSurface slope;
  slope.name = "slope";
  slope.points = {{0, 0, 0}, {10, 0, 10}, {0, 10, 0}, {10, 10, 10}};
  slope.faces = {{0, 1, 2}, {1, 3, 2}};
  const SurfaceLocator locator(slope);
  const std::vector<Point> shots = {{"above", 5, 5, 6.0, 1},
                                    {"below", 2, 8, 1.5, 2},
                                    {"outside", 20, 5, 3.0, 3},
                                    {"no level", 5, 5, std::nullopt, 4}};
  const SurfaceShots checked(locator, shots);
  EXPECT_NEAR(*checked.valuesOf(0)[kSurfaceDz], 1.0, 1e-12);
  EXPECT_NEAR(*checked.valuesOf(0)[kSurfaceDn], std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(*checked.valuesOf(1)[kSurfaceDz], -0.5, 1e-12);
  EXPECT_NEAR(*checked.valuesOf(1)[kSurfaceDn], -0.5 * std::sqrt(0.5), 1e-12);
  EXPECT_EQ(checked.placeOf(2), ShotPlace::Outside);
  EXPECT_FALSE(checked.valuesOf(2)[kSurfaceDz]);
  EXPECT_EQ(checked.placeOf(3), ShotPlace::NoHeight);
  EXPECT_NEAR(*checked.designZ(3), 5.0, 1e-12);
}

struct BoundCase {
  const char* tolerance;
  double dz;
  bool within;
};

TEST(SurfaceTolerance, UnequalBoundsHoldAtTheirEdgesAndASingleLimitIsSymmetric) {
  const BoundCase cases[] = {
      {"z=-0.03:0.01", -0.030, true},  {"z=-0.03:0.01", -0.031, false},
      {"z=-0.03:0.01", 0.010, true},   {"z=-0.03:0.01", 0.011, false},
      {"z=-0.03:0.01", -0.0304, true},  // written -0.030 at three decimals
      {"z=0.02", -0.020, true},        {"z=0.02", 0.021, false},
      {"z=0.02", -0.021, false},
  };
  for (const BoundCase& c : cases) {
    const Tolerances tolerances = parseTolerances(c.tolerance, surfaceComponents());
    const bool within = failingComponents({c.dz, std::nullopt}, tolerances, 3).empty();
    EXPECT_EQ(within, c.within) << c.tolerance << " " << c.dz;
  }
  EXPECT_THROW(parseTolerances("n=-0.1:0.1", surfaceComponents()), std::invalid_argument);
  EXPECT_THROW(parseTolerances("z=0.01:-0.01", surfaceComponents()), std::invalid_argument);
}

TEST(SurfaceOverlap, TheFirstOverlappingPairIsNamedAndTheUpperFaceIsUsed) {
  TinSurface surface = handSquare();
  surface.points.push_back({2, 1, 20});
  surface.points.push_back({8, 1, 20});
  surface.points.push_back({8, 6, 20});
  surface.faces.push_back({4, 5, 6});  // floats over ABC
  surface.faceLines = {11, 12, 13};
  const SurfaceLocator locator(surface);
  EXPECT_EQ(overlapWarning(surface, locator),
            "square: face 1 (line 11) and face 3 (line 13) overlap; where faces overlap, shots "
            "are checked against the upper one");
  EXPECT_NEAR(locator.at(7, 2)->z, 20.0, 1e-12);
  EXPECT_FALSE(overlapWarning(handSquare(), SurfaceLocator(handSquare())));
}

TEST(SurfaceTriangulation, ABreaklineIsFollowedWhereDelaunayWouldCrossIt) {
  // A kite whose short diagonal BD Delaunay takes; the ridge A-C is the design's.
  TriangulationInput input{"kite.dxf", {{10, -1, 0}, {10, 1, 0}}, {}, {}};
  EXPECT_NEAR(SurfaceLocator(
                  triangulate({"kite", {{0, 0, 1}, {20, 0, 1}, {10, -1, 0}, {10, 1, 0}}, {}, {}}))
                  .at(10, 0)
                  ->z,
              0.0, 1e-12);
  input.breaklines.push_back({{{0, 0, 1}, {20, 0, 1}}, 7});
  const TinSurface surface = triangulate(input);
  EXPECT_NEAR(SurfaceLocator(surface).at(10, 0)->z, 1.0, 1e-12);
  EXPECT_NEAR(SurfaceLocator(surface).at(5, 0.25)->z, 0.75, 1e-12);
}

TEST(SurfaceTriangulation, ABreaklineCrossingItselfIsRefusedWithItsLine) {
  TriangulationInput input{"design.dxf", {{0, 0, 0}, {10, 0, 0}, {0, 10, 0}, {10, 10, 0}}, {}, {}};
  input.breaklines.push_back({{{1, 1, 0}, {9, 9, 0}, {9, 1, 0}, {1, 9, 0}}, 42});
  try {
    triangulate(input);
    FAIL() << "a breakline crossing itself was taken";
  } catch (const PointFileError& e) {
    EXPECT_STREQ(e.what(), "design.dxf:42: a breakline crosses itself at (5.000, 5.000)");
  }
}

TEST(SurfaceTriangulation, MaxEdgeLeavesOutLongFacesAlongTheHull) {
  TriangulationInput input{"points.csv", {}, {}, {}};
  for (int i = 0; i <= 4; ++i) {
    for (int j = 0; j <= 4; ++j) input.points.push_back({1.0 * i, 1.0 * j, 0.0});
  }
  input.points.push_back({2, 12, 0});  // a far point bridges the open side
  EXPECT_TRUE(SurfaceLocator(triangulate(input)).at(2, 8));
  input.maxEdge = 3.0;
  const TinSurface trimmed = triangulate(input);
  EXPECT_FALSE(SurfaceLocator(trimmed).at(2, 8));
  EXPECT_TRUE(SurfaceLocator(trimmed).at(2.5, 2.5));
  EXPECT_EQ(trimmed.faces.size(), 32u);
}

TEST(SurfaceTriangulation, OfPointsInOnePlaceTheFirstGivenHoldsItsLevel) {
  // Repeated shots on one spot, in either order and among enough others that the order of
  // insertion is not the order given.
  const std::vector<SurfacePoint> square = {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}};
  for (const double first : {5.0, 9.0}) {
    TriangulationInput input{"shots.csv", {{5, 5, first}}, {}, {}};
    for (int k = 0; k < 200; ++k) input.points.push_back({0.05 * k, 0.07 * (k % 13), 0.0});
    input.points.insert(input.points.end(), square.begin(), square.end());
    input.points.push_back({5, 5, 14.0 - first});
    EXPECT_NEAR(SurfaceLocator(triangulate(input)).at(5, 5)->z, first, 1e-12) << first;
  }
}

TEST(SurfaceTriangulation, ManyBreaklinesAreFollowedEachOnItsOwnPoints) {
  // Kerbs raised 0.15 above a plane, across a field of points: every kerb point keeps its level,
  // and midway along each kerb segment the surface is at the kerb's level.
  TriangulationInput input{"design.csv", {}, {}, {}};
  for (int i = 0; i <= 40; ++i) {
    for (int j = 0; j <= 40; ++j) input.points.push_back({1.0 * i + 0.5, 1.0 * j + 0.3, 0.0});
  }
  for (int b = 0; b < 5; ++b) {
    Breakline kerb{{}, static_cast<std::size_t>(10 + b)};
    for (int k = 0; k < 8; ++k)
      kerb.points.push_back({2.0 + 5.0 * k, 4.0 + 8.0 * b + 0.5 * k, 0.15});
    input.breaklines.push_back(kerb);
  }
  const TinSurface surface = triangulate(input);
  const SurfaceLocator locator(surface);
  for (const Breakline& kerb : input.breaklines) {
    for (std::size_t k = 0; k + 1 < kerb.points.size(); ++k) {
      const SurfacePoint& a = kerb.points[k];
      const SurfacePoint& b = kerb.points[k + 1];
      EXPECT_NEAR(locator.at((a.x + b.x) / 2, (a.y + b.y) / 2)->z, 0.15, 1e-9)
          << "kerb line " << kerb.line << ", segment " << k;
    }
  }
}

TEST(SurfaceTriangulation, PointsOnOneLineAreRefused) {
  EXPECT_THROW(triangulate({"line.csv", {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}}, {}, {}}),
               PointFileError);
}

}  // namespace
}  // namespace survey
