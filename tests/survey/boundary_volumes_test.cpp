#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "survey/landxml_surface.h"
#include "survey/surface_locator.h"
#include "survey/surface_volumes.h"

// The volumes within a design's boundaries: a flat survey over a flat design is a prism whose
// volume is its height times the area of the region, whichever faces the boundaries cross.
namespace survey {
namespace {

constexpr double kX = 1000.0, kY = 2000.0;  // the design's lower left corner

// A flat design at level 100 over 20 by 20 m from (kX, kY), in squares of 5 m of two faces.
TinSurface design(std::vector<SurfaceBoundary> boundaries) {
  TinSurface surface;
  surface.name = "design";
  for (int j = 0; j <= 4; ++j) {
    for (int i = 0; i <= 4; ++i) surface.points.push_back({kX + 5.0 * i, kY + 5.0 * j, 100.0});
  }
  for (std::uint32_t j = 0; j < 4; ++j) {
    for (std::uint32_t i = 0; i < 4; ++i) {
      const std::uint32_t a = j * 5 + i, b = a + 1, c = a + 6, d = a + 5;
      surface.faces.push_back({a, b, c});
      surface.faces.push_back({a, c, d});
    }
  }
  surface.boundaries = std::move(boundaries);
  return surface;
}

// A flat survey at `level` over 30 by 30 m around the design, its faces split the other way.
TinSurface survey(double level) {
  TinSurface surface;
  surface.points = {{kX - 5, kY - 5, level},
                    {kX + 25, kY - 5, level},
                    {kX + 25, kY + 25, level},
                    {kX - 5, kY + 25, level}};
  surface.faces = {{0, 1, 3}, {1, 2, 3}};
  return surface;
}

// A ring of corners given from the design's lower left corner.
SurfaceBoundary ring(SurfaceBoundary::Kind kind, std::vector<std::pair<double, double>> corners) {
  SurfaceBoundary boundary;
  boundary.kind = kind;
  for (const auto& [x, y] : corners) boundary.points.push_back({kX + x, kY + y, 0.0});
  return boundary;
}

constexpr auto kOuter = SurfaceBoundary::Kind::Outer;
constexpr auto kVoid = SurfaceBoundary::Kind::Void;
constexpr auto kIsland = SurfaceBoundary::Kind::Island;

struct RegionCase {
  const char* region;
  std::vector<SurfaceBoundary> boundaries;
  double area;  // worked out by hand
};

TEST(BoundaryVolumes, APrismWithinTheBoundariesIsItsHeightTimesTheirArea) {
  // A square turned by 45 degrees, its half diagonal 7, its corners inside faces: 2 x 7².
  const std::vector<std::pair<double, double>> diamond = {
      {10.3, 2.6}, {17.3, 9.6}, {10.3, 16.6}, {3.3, 9.6}};
  const RegionCase cases[] = {
      {"no boundaries", {}, 400.0},
      {"turned square", {ring(kOuter, diamond)}, 98.0},
      {"turned square, clockwise",
       {ring(kOuter, {diamond[3], diamond[2], diamond[1], diamond[0]})},
       98.0},
      // A right triangle of 18 by 18, two corners inside faces, its long side across the
      // diagonals.
      {"triangle", {ring(kOuter, {{1, 1}, {19, 1}, {1, 19}})}, 162.0},
      // A void of 13 by 13 with an island of 4.5 by 4.5 in it: 400 - 169 + 20.25.
      {"void and island",
       {ring(kVoid, {{3.5, 3.5}, {16.5, 3.5}, {16.5, 16.5}, {3.5, 16.5}}),
        ring(kIsland, {{8, 8}, {12.5, 8}, {12.5, 12.5}, {8, 12.5}})},
       251.25},
      // Within an outer square of 19 by 19 as well: 361 - 169 + 20.25.
      {"outer, void and island",
       {ring(kOuter, {{0.5, 0.5}, {19.5, 0.5}, {19.5, 19.5}, {0.5, 19.5}}),
        ring(kVoid, {{3.5, 3.5}, {16.5, 3.5}, {16.5, 16.5}, {3.5, 16.5}}),
        ring(kIsland, {{8, 8}, {12.5, 8}, {12.5, 12.5}, {8, 12.5}})},
       212.25},
      // A void wholly inside one design face and one survey face: the boundary turns three times
      // within a single piece. A triangle of 2 by 2.
      {"void inside a piece", {ring(kVoid, {{2, 0.5}, {4, 0.5}, {4, 2.5}})}, 398.0},
      // A boundary along the design's edges and faces' sides, and beyond the design.
      {"along the faces' sides", {ring(kOuter, {{0, 0}, {10, 0}, {10, 20}, {0, 20}})}, 200.0},
      {"beyond the design", {ring(kOuter, {{-2, -2}, {22, -2}, {22, 22}, {-2, 22}})}, 400.0},
  };
  for (const RegionCase& c : cases) {
    const TinSurface designed = design(c.boundaries);
    const SurfaceLocator locator(designed);
    for (const double level : {100.5, 99.75}) {
      const SurfaceVolumes volumes = volumesBetween(survey(level), designed, locator, std::nullopt);
      const double height = level - 100.0;
      EXPECT_NEAR(volumes.total.area, c.area, 1e-9) << c.region;
      EXPECT_NEAR(volumes.total.fill, height > 0 ? height * c.area : 0.0, 1e-9) << c.region;
      EXPECT_NEAR(volumes.total.cut, height < 0 ? -height * c.area : 0.0, 1e-9) << c.region;
      EXPECT_NEAR(volumes.surveyArea, 900.0, 1e-9) << c.region;
    }
  }
}

TEST(BoundaryVolumes, ManyEdgesWithinOnePieceAreCutAtEachOfThem) {
  // A void of many corners on an ellipse inside a single design face: the part within it is cut
  // along all its edges, more than a piece has room for corners, and still comes out as the
  // polygon's area (a regular polygon's, squeezed to 0.6 of its height).
  const double pi = 3.14159265358979323846, radius = 1.4;
  for (const int corners : {64, 1000}) {
    std::vector<std::pair<double, double>> ellipse;
    for (int k = 0; k < corners; ++k) {
      ellipse.emplace_back(3.0 + radius * std::cos(2 * pi * k / corners),
                           1.2 + radius * std::sin(2 * pi * k / corners) * 0.6);
    }
    const double area = 0.5 * corners * radius * radius * std::sin(2 * pi / corners) * 0.6;
    const TinSurface designed = design({ring(kVoid, ellipse)});
    const SurfaceLocator locator(designed);
    const SurfaceVolumes volumes = volumesBetween(survey(101.0), designed, locator, std::nullopt);
    EXPECT_NEAR(volumes.total.area, 400.0 - area, 1e-9) << corners;
    EXPECT_NEAR(volumes.total.fill, 400.0 - area, 1e-9) << corners;
  }
}

TEST(BoundaryVolumes, GridSquaresAcrossABoundaryHoldTheirPartWithin) {
  // Within x < 12.5: the squares from 10 to 15 hold half of their 5 x 5 x 0.5.
  const TinSurface halved = design({ring(kOuter, {{0, 0}, {12.5, 0}, {12.5, 20}, {0, 20}})});
  const SurfaceLocator locator(halved);
  const SurfaceVolumes volumes = volumesBetween(survey(100.5), halved, locator, 5.0);
  EXPECT_NEAR(volumes.total.fill, 0.5 * 250.0, 1e-9);
  ASSERT_EQ(volumes.squares.size(), 12u);
  for (const GridSquare& square : volumes.squares) {
    const bool across = square.x - kX == 10.0;
    EXPECT_NEAR(square.sums.area, across ? 12.5 : 25.0, 1e-9) << square.x << " " << square.y;
    EXPECT_NEAR(square.sums.fill, across ? 6.25 : 12.5, 1e-9) << square.x << " " << square.y;
  }

  // Squares of several sizes add up to the volumes without them, with a void and an island.
  const TinSurface holed =
      design({ring(kOuter, {{10.3, 2.6}, {17.3, 9.6}, {10.3, 16.6}, {3.3, 9.6}}),
              ring(kVoid, {{7, 7}, {13.1, 7.4}, {12.2, 12.9}}),
              ring(kIsland, {{9, 8}, {11, 9}, {10, 10}})});
  const SurfaceLocator holedLocator(holed);
  const SurfaceVolumes whole = volumesBetween(survey(99.0), holed, holedLocator, std::nullopt);
  for (const double size : {0.7, 3.3, 50.0}) {
    const SurfaceVolumes gridded = volumesBetween(survey(99.0), holed, holedLocator, size);
    VolumeSums sum;
    for (const GridSquare& square : gridded.squares) {
      sum.cut += square.sums.cut, sum.area += square.sums.area;
    }
    EXPECT_NEAR(sum.cut, whole.total.cut, 1e-9) << size;
    EXPECT_NEAR(sum.area, whole.total.area, 1e-9) << size;
    EXPECT_NEAR(gridded.total.cut, whole.total.cut, 1e-9) << size;
  }
}

// A design of 10 by 10 m at level 50 in four faces about its centre, with `boundaries`, as
// LandXML writes it: northing before easting.
std::string landXml(const std::string& boundaries) {
  return "<?xml version=\"1.0\"?>\n<LandXML>\n<Surfaces>\n<Surface name=\"Formation\">\n"
         "<Definition surfType=\"TIN\">\n<Pnts>\n"
         "<P id=\"1\">0 0 50</P>\n<P id=\"2\">0 10 50</P>\n<P id=\"3\">10 10 50</P>\n"
         "<P id=\"4\">10 0 50</P>\n<P id=\"5\">5 5 50</P>\n</Pnts>\n<Faces>\n"
         "<F>1 2 5</F>\n<F>2 3 5</F>\n<F>3 4 5</F>\n<F>4 1 5</F>\n</Faces>\n"
         "<Boundaries>\n" +
         boundaries + "</Boundaries>\n</Definition>\n</Surface>\n</Surfaces>\n</LandXML>\n";
}

TEST(BoundaryVolumes, ALandXmlDesignsBoundariesCutItsVolumes) {
  // An outer triangle below the line from (0, 0) to (10, 4): 20 m², across the southern face
  // and the eastern, whose centre lies beyond it. A void of 2 by 1 across both: 18 m² left.
  const std::string outer =
      "<Boundary bndType=\"outer\"><PntList2D>0 0 0 10 4 10 0 0</PntList2D></Boundary>\n";
  const std::string hole =
      "<Boundary bndType=\"void\"><PntList3D>0.5 7.5 0 0.5 9.5 0 1.5 9.5 0 1.5 7.5 0"
      "</PntList3D></Boundary>\n";
  const TinSurface designed = parseLandXmlSurface(landXml(outer + hole), "d.xml", std::nullopt);
  // The northern and western faces lie wholly beyond the outer boundary; the eastern is kept.
  ASSERT_EQ(designed.faces.size(), 2u);
  EXPECT_EQ(designed.faceLines[1], 15u);  // <F>2 3 5</F>
  const SurfaceLocator locator(designed);
  TinSurface surveyed;
  surveyed.points = {{-1, -1, 50.2}, {11, -1, 50.2}, {11, 11, 50.2}, {-1, 11, 50.2}};
  surveyed.faces = {{0, 1, 2}, {0, 2, 3}};
  const SurfaceVolumes volumes = volumesBetween(surveyed, designed, locator, std::nullopt);
  EXPECT_NEAR(volumes.total.area, 18.0, 1e-9);
  EXPECT_NEAR(volumes.total.fill, 0.2 * 18.0, 1e-9);
}

}  // namespace
}  // namespace survey
