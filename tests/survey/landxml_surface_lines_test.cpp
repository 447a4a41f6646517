#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "survey/landxml_surface.h"
#include "survey/point_file_error.h"
#include "survey/surface_locator.h"

// The breaklines and boundaries a LandXML surface carries: kept for drawing, and the
// boundaries decide where the surface is.
namespace survey {
namespace {

// A 10 by 10 square of two faces (northing before easting, as LandXML writes), with `lines`
// in its <Definition> and `source` in its <SourceData>.
std::string squareWith(const std::string& lines, const std::string& source) {
  return "<?xml version=\"1.0\"?>\n<LandXML>\n<Surfaces>\n<Surface name=\"Formation\">\n"
         "<SourceData>\n" +
         source +
         "</SourceData>\n<Definition surfType=\"TIN\">\n<Pnts>\n"
         "<P id=\"1\">0 0 10</P>\n<P id=\"2\">0 10 12</P>\n<P id=\"3\">10 10 14</P>\n"
         "<P id=\"4\">10 0 10</P>\n</Pnts>\n<Faces>\n<F>1 2 3</F>\n<F>1 3 4</F>\n</Faces>\n" +
         lines + "</Definition>\n</Surface>\n</Surfaces>\n</LandXML>\n";
}

std::string boundary(const std::string& type, const std::string& list) {
  return "<Boundaries>\n<Boundary bndType=\"" + type + "\">\n" + list + "\n</Boundary>\n" +
         "</Boundaries>\n";
}

// The line `text` first holds `what` on.
std::size_t lineOf(const std::string& text, const std::string& what) {
  const auto at = text.begin() + static_cast<std::ptrdiff_t>(text.find(what));
  return static_cast<std::size_t>(std::count(text.begin(), at, '\n')) + 1;
}

TEST(LandXmlSurfaceLines, BoundariesDecideWhereTheSurfaceIsAndBreaklinesAreKept) {
  // Outer: easting 0 to 5.5; a void from 1.5 to 4 east, 2 to 6 north, with an island in it. The
  // face east of the diagonal has its centre beyond the outer boundary, which crosses it: it is
  // kept whole, and the boundary says where it ends.
  const std::string text = squareWith(
      "<Breaklines>\n<Breakline>\n<PntList3D>2 1 10.5 8 9 13.5</PntList3D>\n</Breakline>\n"
      "</Breaklines>\n",
      boundary("outer", "<PntList2D>0 0 0 5.5 10 5.5 10 0 0 0</PntList2D>") +
          boundary("void", "<PntList3D>2 1.5 0 2 4 0 6 4 0 6 1.5 0</PntList3D>") +
          boundary("island", "<PntList2D>3 2.5 3 3.5 4 3.5 4 2.5</PntList2D>"));
  const TinSurface surface = parseLandXmlSurface(text, "d.xml", std::nullopt);
  ASSERT_EQ(surface.faces.size(), 2u);
  EXPECT_EQ(surface.faceLines[0], lineOf(text, "<F>1 2 3"));
  EXPECT_EQ(surface.faceLines[1], lineOf(text, "<F>1 3 4"));
  ASSERT_EQ(surface.breaklines.size(), 1u);
  EXPECT_EQ(surface.breaklines[0].line, lineOf(text, "<Breakline>"));
  ASSERT_EQ(surface.breaklines[0].points.size(), 2u);
  EXPECT_DOUBLE_EQ(surface.breaklines[0].points[0].x, 1.0);
  EXPECT_DOUBLE_EQ(surface.breaklines[0].points[0].y, 2.0);
  EXPECT_DOUBLE_EQ(surface.breaklines[0].points[1].z, 13.5);
  ASSERT_EQ(surface.boundaries.size(), 3u);
  EXPECT_EQ(surface.boundaries[0].kind, SurfaceBoundary::Kind::Outer);
  EXPECT_EQ(surface.boundaries[0].points.size(), 4u);  // the repeated first point dropped
  EXPECT_EQ(surface.boundaries[1].kind, SurfaceBoundary::Kind::Void);
  EXPECT_EQ(surface.boundaries[2].kind, SurfaceBoundary::Kind::Island);

  const SurfaceLocator locator(surface);
  struct Probe {
    const char* where;
    double x, y;
    bool on;
  };
  const Probe probes[] = {
      {"inside the outer boundary", 1.0, 8.0, true},
      {"near its edge", 5.4, 8.0, true},
      {"beyond it, over a face", 7.0, 8.0, false},
      {"in the void", 2.0, 5.0, false},
      {"on the island", 3.0, 3.5, true},
      {"on the face the boundary crosses, within it", 4.5, 1.0, true},
      {"on that face, beyond the boundary", 7.0, 1.0, false},
  };
  for (const Probe& p : probes) EXPECT_EQ(locator.at(p.x, p.y).has_value(), p.on) << p.where;
}

TEST(LandXmlSurfaceLines, BadBreaklinesAndBoundariesAreNamedWithTheirLine) {
  struct Case {
    const char* what;
    std::string lines, source;
    const char* element;  // where the message points
    const char* message;
  };
  const Case cases[] = {
      {"breakline over itself",
       "<Breaklines><Breakline>\n<PntList3D>0 0 1 10 10 1 0 10 1 10 0 1</PntList3D>"
       "</Breakline></Breaklines>\n",
       "", "<Breakline>", "a breakline crosses itself at (5.000, 5.000)"},
      {"breakline of one point",
       "<Breaklines><Breakline><PntList2D>1 1</PntList2D></Breakline></Breaklines>\n", "",
       "<Breakline>", "a breakline of fewer than two points"},
      {"boundary of two points", "", boundary("outer", "<PntList2D>0 0 5 5</PntList2D>"),
       "<Boundary ", "a boundary of fewer than three points"},
      {"boundary of an unknown type", "", boundary("edge", "<PntList2D>0 0 5 5 0 5</PntList2D>"),
       "<Boundary ", "a boundary of type 'edge', which is not outer, void or island"},
      {"boundary over itself", "", boundary("outer", "<PntList2D>0 0 10 10 0 10 10 0</PntList2D>"),
       "<Boundary ", "a boundary crosses itself at (5.000, 5.000)"},
      {"odd numbers", "", boundary("void", "<PntList2D>0 0 5 5 0</PntList2D>"), "<Boundary ",
       "<PntList2D> holds 5 numbers, which are not whole points of 2"},
      {"not a number", "", boundary("void", "<PntList3D>0 0 1 5 x 1 0 5 1</PntList3D>"),
       "<Boundary ", "<PntList3D>: 'x' is not a finite number"},
      {"no point list", "", boundary("void", "<Pnts/>"), "<Boundary ",
       "a <Boundary> without a <PntList3D> or <PntList2D>"},
  };
  for (const Case& c : cases) {
    const std::string text = squareWith(c.lines, c.source);
    try {
      parseLandXmlSurface(text, "d.xml", std::nullopt);
      ADD_FAILURE() << c.what << " was read";
    } catch (const PointFileError& e) {
      EXPECT_EQ(std::string(e.what()),
                "d.xml:" + std::to_string(lineOf(text, c.element)) + ": " + c.message)
          << c.what;
    }
  }
}

}  // namespace
}  // namespace survey
