#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

// A polyline boundary path through the given corners.
std::string polylinePath(const std::vector<Eigen::Vector2d>& corners) {
  std::string path = "92 2|72 0|73 1|93 " + std::to_string(corners.size());
  for (const auto& c : corners) {
    path += "|10 " + std::to_string(c.x()) + "|20 " + std::to_string(c.y());
  }
  return path + "|97 0";
}
std::string square(double from, double to) {
  return polylinePath({{from, from}, {to, from}, {to, to}, {from, to}});
}

// A hatch of the given boundary paths: solid, or of pattern lines ("53 0|43 0|44 0|45 0|46 5|
// 79 0", one family of lines).
std::string hatch(const std::vector<std::string>& paths, const std::vector<std::string>& lines) {
  std::string text = "0 HATCH|8 0|62 3|10 0|20 0|30 0|2 " +
                     std::string(lines.empty() ? "SOLID|70 1" : "USER|70 0") + "|71 0|91 " +
                     std::to_string(paths.size());
  for (const auto& path : paths) text += "|" + path;
  text += "|75 0|76 1";
  if (!lines.empty()) text += "|52 0|41 1|77 0|78 " + std::to_string(lines.size());
  for (const auto& line : lines) text += "|" + line;
  return text + "|98 0";
}

enum class Seen { Filled, Line, Nothing };

struct HatchCase {
  std::string name;
  std::string entity;
  std::vector<std::tuple<double, double, Seen>> probes;
  bool light = false;
};

void PrintTo(const HatchCase& c, std::ostream* os) {
  *os << c.name;
}

class Hatches : public testing::TestWithParam<HatchCase> {};

TEST_P(Hatches, FillOrLineWithinTheirBoundary) {
  const HatchCase& c = GetParam();
  const auto document = DrawingText{{}, {}, {}, {}, {c.entity}}.open();
  const RenderedDrawing drawn(*document);
  for (const auto& [x, y, seen] : c.probes) {
    EXPECT_EQ(drawn.fillAt(x, y).has_value(), seen == Seen::Filled)
        << "filled at " << x << ", " << y;
    if (seen != Seen::Filled) {
      EXPECT_EQ(drawn.colourAt(x, y).has_value(), seen == Seen::Line)
          << "a line at " << x << ", " << y;
    }
  }
  for (const auto& fill : drawn.canvas.fills) EXPECT_EQ(fill.light, c.light);
  EXPECT_EQ(drawn.scene.notShown, 0u);
}

// Lines along X 5 apart through the origin, and the same dashed 4, gap 2.
const std::string kLines = "53 0|43 0|44 0|45 0|46 5|79 0";
const std::string kDashed = "53 0|43 0|44 0|45 0|46 5|79 2|49 4|49 -2";

INSTANTIATE_TEST_SUITE_P(
    Boundaries, Hatches,
    testing::Values(
        HatchCase{"SolidSquare",
                  hatch({square(10, 50)}, {}),
                  {{30, 30, Seen::Filled}, {12, 48, Seen::Filled}, {60, 30, Seen::Nothing}}},
        HatchCase{"SolidWithAnIsland",
                  hatch({square(10, 50), square(20, 40)}, {}),
                  {{15, 15, Seen::Filled}, {30, 30, Seen::Nothing}}},
        // A line across and a half circle above it, about (30, 30) of radius 20.
        HatchCase{"EdgesOfLineAndArc",
                  hatch({"92 1|93 2|72 1|10 10|20 30|11 50|21 30|72 2|10 30|20 30|40 20|50 0|"
                         "51 180|73 1|97 0"},
                        {}),
                  {{30, 45, Seen::Filled}, {30, 25, Seen::Nothing}, {45, 45, Seen::Nothing}}},
        HatchCase{"EllipseEdge",
                  hatch({"92 1|93 1|72 3|10 30|20 30|11 20|21 0|40 0.5|50 0|51 360|73 1|97 0"}, {}),
                  {{30, 38, Seen::Filled}, {30, 42, Seen::Nothing}, {48, 30, Seen::Filled}}}));

INSTANTIATE_TEST_SUITE_P(
    Patterns, Hatches,
    testing::Values(
        HatchCase{"Lines",
                  hatch({square(10, 50)}, {kLines}),
                  {{30, 25, Seen::Line}, {30, 27.5, Seen::Nothing}, {55, 25, Seen::Nothing}}},
        // The dashes count from the pattern's base point: 12 to 16, then a gap.
        HatchCase{"Dashed",
                  hatch({square(10, 50)}, {kDashed}),
                  {{13, 25, Seen::Line}, {17, 25, Seen::Nothing}}},
        HatchCase{"AroundAnIsland",
                  hatch({square(10, 50), square(20, 40)}, {kLines}),
                  {{15, 25, Seen::Line}, {30, 25, Seen::Nothing}}},
        HatchCase{"TooDenseIsALightFill",
                  hatch({square(10, 50)}, {"53 0|43 0|44 0|45 0|46 0.001|79 0"}),
                  {{30, 30, Seen::Filled}},
                  true}));

TEST(Hatches, WhoseBoundaryDoesNotReadAreCountedNotShown) {
  const auto document =
      DrawingText{{}, {}, {}, {}, {"0 HATCH|8 0|2 SOLID|70 1|91 1|92 2|72 0|93 4|10 1"}}.open();
  EXPECT_EQ(RenderedDrawing(*document).scene.notShown, 1u);
}

}  // namespace
}  // namespace host::view
