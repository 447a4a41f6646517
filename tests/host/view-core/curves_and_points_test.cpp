#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

// A dimension's block: a line from (10, 80) to (50, 80), by block.
const std::string kDimensionBlock =
    "0 BLOCK|8 0|2 *D1|70 1|10 0|20 0|30 0|0 LINE|8 0|62 0|10 10|20 80|11 50|21 80|0 ENDBLK|8 0";

struct DrawnCase {
  std::string name;
  std::vector<std::string> header;
  std::string entity;
  std::vector<Eigen::Vector2d> drawn;
  std::vector<Eigen::Vector2d> notDrawn;
};

void PrintTo(const DrawnCase& c, std::ostream* os) {
  *os << c.name;
}

class CurvesAndPoints : public testing::TestWithParam<DrawnCase> {};

TEST_P(CurvesAndPoints, ShowWhereTheirDataPutsThem) {
  const DrawnCase& c = GetParam();
  const auto document = DrawingText{c.header, {}, {}, {kDimensionBlock}, {c.entity}}.open();
  const RenderedDrawing drawn(*document);
  for (const auto& p : c.drawn) EXPECT_TRUE(drawn.colourAt(p.x(), p.y())) << p.transpose();
  for (const auto& p : c.notDrawn) EXPECT_FALSE(drawn.colourAt(p.x(), p.y())) << p.transpose();
  EXPECT_EQ(drawn.scene.notShown, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Splines, CurvesAndPoints,
    testing::Values(
        // A quadratic through (10, 10) and (50, 10) pulled towards (30, 50): halfway at (30, 30).
        DrawnCase{"ControlPoints",
                  {},
                  "0 SPLINE|8 0|70 8|71 2|72 6|73 3|74 0|40 0|40 0|40 0|40 1|40 1|40 1|10 10|"
                  "20 10|30 0|10 30|20 50|30 0|10 50|20 10|30 0",
                  {{30, 30}, {10, 10}, {50, 10}},
                  {{30, 45}}},
        // Weight 3 on the middle point pulls the curve to (30, 40).
        DrawnCase{"Rational",
                  {},
                  "0 SPLINE|8 0|70 12|71 2|72 6|73 3|74 0|40 0|40 0|40 0|40 1|40 1|40 1|"
                  "41 1|41 3|41 1|10 10|20 10|30 0|10 30|20 50|30 0|10 50|20 10|30 0",
                  {{30, 40}},
                  {{30, 30}}},
        DrawnCase{"FitPointsOnly",
                  {},
                  "0 SPLINE|8 0|70 8|71 3|72 0|73 0|74 3|11 10|21 60|31 0|11 30|21 70|31 0|"
                  "11 50|21 60|31 0",
                  {{10, 60}, {30, 70}, {50, 60}},
                  {}}));

INSTANTIATE_TEST_SUITE_P(
    Dimensions, CurvesAndPoints,
    testing::Values(DrawnCase{
        "ThroughTheirBlock", {}, "0 DIMENSION|8 0|62 1|2 *D1|10 0|20 0|70 0", {{30, 80}}, {}}));

// A point at (50, 50); its symbol 10 units across.
const std::string kPoint = "0 POINT|8 0|10 50|20 50";

INSTANTIATE_TEST_SUITE_P(PointStyles, CurvesAndPoints,
                         testing::Values(DrawnCase{"Cross",
                                                   {"9 $PDMODE|70 3", "9 $PDSIZE|40 10"},
                                                   kPoint,
                                                   {{53, 53}, {47, 53}},
                                                   {{53, 50}}},
                                         DrawnCase{"CircledPlus",
                                                   {"9 $PDMODE|70 34", "9 $PDSIZE|40 10"},
                                                   kPoint,
                                                   {{53, 50}, {53.5355, 53.5355}},
                                                   {{52, 52}}},
                                         DrawnCase{"BoxedTick",
                                                   {"9 $PDMODE|70 68", "9 $PDSIZE|40 10"},
                                                   kPoint,
                                                   {{50, 53}, {55, 52}},
                                                   {{50, 47}}}));

TEST(PointStyles, ModeOneShowsNothingAndZeroADot) {
  for (const int mode : {0, 1}) {
    const auto document =
        DrawingText{{"9 $PDMODE|70 " + std::to_string(mode)}, {}, {}, {}, {kPoint}}.open();
    const RenderedDrawing drawn(*document);
    EXPECT_TRUE(drawn.canvas.strokes.empty()) << mode;
    EXPECT_EQ(drawn.canvas.marks.size(), mode == 0 ? 1u : 0u) << mode;
  }
}

}  // namespace
}  // namespace host::view
