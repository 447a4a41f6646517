#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

enum class Seen { Filled, Line, Nothing };

struct Probe {
  double x, y;
  Seen seen;
};

struct ShapeCase {
  std::string name;
  std::string entity;
  std::vector<Probe> probes;
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
  *os << c.name;
}

class KeptShapes : public testing::TestWithParam<ShapeCase> {};

TEST_P(KeptShapes, FillWhatIsFilledAndOutlineTheRest) {
  const ShapeCase& c = GetParam();
  const auto document = DrawingText{{}, {}, {}, {}, {c.entity}}.open();
  const RenderedDrawing drawn(*document);
  for (const Probe& p : c.probes) {
    const bool filled = drawn.fillAt(p.x, p.y).has_value();
    const bool line = drawn.colourAt(p.x, p.y).has_value();
    EXPECT_EQ(filled, p.seen == Seen::Filled) << "filled at " << p.x << ", " << p.y;
    if (p.seen != Seen::Filled) {
      EXPECT_EQ(line, p.seen == Seen::Line) << "a line at " << p.x << ", " << p.y;
    }
  }
  EXPECT_EQ(drawn.scene.notShown, 0u);
}

// A square (10, 10) to (30, 30) as a SOLID or TRACE gives its corners: its fourth corner comes
// third.
const std::string kSquare = "8 0|10 10|20 10|11 30|21 10|12 10|22 30|13 30|23 30";

INSTANTIATE_TEST_SUITE_P(
    Faces, KeptShapes,
    testing::Values(ShapeCase{"Solid",
                              "0 SOLID|" + kSquare,
                              {{20, 20, Seen::Filled},
                               {28, 12, Seen::Filled},
                               {12, 28, Seen::Filled},
                               {35, 20, Seen::Nothing}}},
                    ShapeCase{"SolidTriangle",
                              "0 SOLID|8 0|10 10|20 10|11 30|21 10|12 10|22 30",
                              {{13, 13, Seen::Filled}, {28, 28, Seen::Nothing}}},
                    ShapeCase{"Trace", "0 TRACE|" + kSquare, {{20, 20, Seen::Filled}}},
                    // The first edge is hidden (flag 1); a face is never filled.
                    ShapeCase{"FaceWithAHiddenEdge",
                              "0 3DFACE|8 0|10 10|20 10|11 30|21 10|12 30|22 30|13 10|23 30|70 1",
                              {{20, 10, Seen::Nothing},
                               {30, 20, Seen::Line},
                               {20, 30, Seen::Line},
                               {10, 20, Seen::Line},
                               {20, 20, Seen::Nothing}}}));

INSTANTIATE_TEST_SUITE_P(
    Polylines, KeptShapes,
    testing::Values(
        ShapeCase{"ConstantWidth",
                  "0 LWPOLYLINE|8 0|90 2|70 0|43 4|10 10|20 50|10 60|20 50",
                  {{30, 51.5, Seen::Filled}, {30, 48.5, Seen::Filled}, {30, 52.5, Seen::Nothing}}},
        ShapeCase{"Tapered",
                  "0 LWPOLYLINE|8 0|90 2|70 0|10 10|20 50|40 0|41 8|10 50|20 50",
                  {{30, 51.5, Seen::Filled}, {30, 52.5, Seen::Nothing}, {45, 53, Seen::Filled}}},
        // A half circle about (30, 50) of radius 20, bowing down through (30, 30).
        ShapeCase{"WideArc",
                  "0 LWPOLYLINE|8 0|90 2|70 0|43 2|10 10|20 50|42 1|10 50|20 50",
                  {{30, 30.5, Seen::Filled}, {30, 29.5, Seen::Filled}, {30, 50, Seen::Nothing}}},
        ShapeCase{"WidthThenThin",
                  "0 LWPOLYLINE|8 0|90 3|70 0|10 10|20 50|40 4|41 4|10 30|20 50|10 30|20 70",
                  {{20, 51.5, Seen::Filled}, {30, 60, Seen::Line}}},
        ShapeCase{"VertexRecordsWithWidths",
                  "0 POLYLINE|8 0|66 1|10 0|20 0|30 0|70 0|0 VERTEX|8 0|10 10|20 50|40 4|41 4|"
                  "0 VERTEX|8 0|10 50|20 50|0 SEQEND|8 0",
                  {{30, 51.5, Seen::Filled}}},
        // Two rows of two vertices: (10, 10) (10, 30), then (30, 10) (30, 30).
        ShapeCase{"Mesh",
                  "0 POLYLINE|8 0|66 1|70 16|71 2|72 2|0 VERTEX|8 0|10 10|20 10|70 64|"
                  "0 VERTEX|8 0|10 10|20 30|70 64|0 VERTEX|8 0|10 30|20 10|70 64|"
                  "0 VERTEX|8 0|10 30|20 30|70 64|0 SEQEND|8 0",
                  {{10, 20, Seen::Line},
                   {30, 20, Seen::Line},
                   {20, 10, Seen::Line},
                   {20, 30, Seen::Line},
                   {20, 20, Seen::Nothing}}},
        // A triangle whose edge from its third corner back to the first is hidden.
        ShapeCase{"PolyfaceMesh",
                  "0 POLYLINE|8 0|66 1|70 64|71 3|72 1|0 VERTEX|8 0|10 10|20 10|70 192|"
                  "0 VERTEX|8 0|10 30|20 10|70 192|0 VERTEX|8 0|10 10|20 30|70 192|"
                  "0 VERTEX|8 0|10 0|20 0|70 128|71 1|72 2|73 -3|0 SEQEND|8 0",
                  {{20, 10, Seen::Line}, {20, 20, Seen::Line}, {10, 20, Seen::Nothing}}}));

}  // namespace
}  // namespace host::view
