#include "survey/landxml_surface.h"

#include <gtest/gtest.h>

#include <string>

#include "survey/point_file_error.h"
#include "survey/surface_locator.h"

// LandXML surfaces as road designers hand them over: northing before easting, several
// surfaces in one file, faces marked invisible.
namespace survey {
namespace {

std::string surfaceXml(const std::string& name, const std::string& points,
                       const std::string& faces) {
  return "  <Surface name=\"" + name + "\">\n    <Definition surfType=\"TIN\">\n      <Pnts>\n" +
         points + "      </Pnts>\n      <Faces>\n" + faces + "      </Faces>\n" +
         "    </Definition>\n  </Surface>\n";
}

const std::string kSquarePoints =
    "<P id=\"1\">0 0 10</P>\n<P id=\"2\">0 10 12</P>\n<P id=\"3\">10 10 14</P>\n"
    "<P id=\"4\">10 0 10</P>\n";
const std::string kSquareFaces = "<F>1 2 3</F>\n<F>1 3 4</F>\n";

std::string landXml(const std::string& surfaces) {
  return "<?xml version=\"1.0\"?>\n<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\">\n"
         "<Surfaces>\n" +
         surfaces + "</Surfaces>\n</LandXML>\n";
}

TEST(LandXmlSurface, ReadsNorthingBeforeEastingAndLeavesOutInvisibleFaces) {
  const std::string text =
      landXml(surfaceXml("Formation", kSquarePoints + "<P id=\"9\">20 20 0</P>\n",
                         kSquareFaces + "<F i=\"1\">3 9 4</F>\n"));
  const TinSurface surface = parseLandXmlSurface(text, "design.xml", std::nullopt);
  ASSERT_EQ(surface.faces.size(), 2u);
  EXPECT_EQ(surface.faceLines[1], 15u);
  const SurfaceLocator locator(surface);
  EXPECT_NEAR(locator.at(10, 0)->z, 12.0, 1e-12);  // point 2: northing 0, easting 10
  EXPECT_NEAR(locator.at(5, 5)->z, 12.0, 1e-12);
  EXPECT_FALSE(locator.at(15, 12));  // under the invisible face
}

TEST(LandXmlSurface, ChoosesAmongSeveralSurfacesByName) {
  const std::string text =
      landXml(surfaceXml("Existing", kSquarePoints, kSquareFaces) +
              surfaceXml("Formation",
                         "<P id=\"a\">0 0 1</P>\n<P id=\"b\">0 10 1</P>\n<P id=\"c\">10 0 1</P>\n",
                         "<F>a b c</F>\n"));
  const TinSurface formation = parseLandXmlSurface(text, "design.xml", "Formation");
  EXPECT_EQ(formation.faces.size(), 1u);
  EXPECT_NEAR(SurfaceLocator(formation).at(2, 2)->z, 1.0, 1e-12);
  EXPECT_EQ(parseLandXmlSurface(text, "design.xml", "Existing").faces.size(), 2u);
}

struct BadCase {
  const char* what;
  std::string text;
  std::optional<std::string> surface;
  const char* message;
};

TEST(LandXmlSurface, BadSurfacesAreRefusedNamingFileAndLine) {
  const std::string two = landXml(surfaceXml("Existing", kSquarePoints, kSquareFaces) +
                                  surfaceXml("Formation", kSquarePoints, kSquareFaces));
  const BadCase cases[] = {
      {"several", two, std::nullopt,
       "d.xml: holds 2 TIN surfaces ('Existing', 'Formation'): choose one with --surface NAME"},
      {"unknown name", two, "Top",
       "d.xml: holds no TIN surface named 'Top' (it holds 'Existing', 'Formation')"},
      {"none", landXml(""), std::nullopt,
       "d.xml: holds no TIN surface (<Surface><Definition surfType=\"TIN\">)"},
      {"no faces", landXml(surfaceXml("Formation", kSquarePoints, "")), std::nullopt,
       "d.xml:4: surface 'Formation' has no faces"},
      {"missing point", landXml(surfaceXml("F", kSquarePoints, "<F>1 2 3</F>\n<F>1 3 7</F>\n")),
       std::nullopt, "d.xml:14: a face names point '7', which the surface does not hold"},
      {"short face", landXml(surfaceXml("F", kSquarePoints, "<F>1 2</F>\n")), std::nullopt,
       "d.xml:13: a face <F> with fewer than three points"},
      {"not finite", landXml(surfaceXml("F", "<P id=\"1\">0 nan 10</P>\n", kSquareFaces)),
       std::nullopt, "d.xml:7: point '1': 'nan' as easting is not a number"},
      {"not XML", "<LandXML><Surfaces>", std::nullopt,
       "d.xml:1: not readable as XML: Start-end tags mismatch"},
  };
  for (const BadCase& c : cases) {
    try {
      parseLandXmlSurface(c.text, "d.xml", c.surface);
      ADD_FAILURE() << c.what << " was read";
    } catch (const PointFileError& e) {
      EXPECT_EQ(std::string(e.what()), c.message) << c.what;
    }
  }
}

}  // namespace
}  // namespace survey
