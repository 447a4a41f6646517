#include <gtest/gtest.h>

#include "host/view-core/dashes.h"
#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

// Dashes 10 long with gaps of 5; and dash-dot: 10, gap 2.5, dot, gap 2.5.
const std::vector<std::string> kLineTypes = {
    "0 LTYPE|2 CONTINUOUS|70 0|72 65|73 0|40 0",
    "0 LTYPE|2 DASHED|70 0|72 65|73 2|40 15|49 10|74 0|49 -5|74 0",
    "0 LTYPE|2 DASHDOT|70 0|72 65|73 4|40 15|49 10|74 0|49 -2.5|74 0|49 0|74 0|49 -2.5|74 0"};
const std::vector<std::string> kLayers = {"0 LAYER|2 Dashed|70 0|62 7|6 DASHED",
                                          "0 LAYER|2 Solid|70 0|62 7|6 CONTINUOUS"};
const std::string kBlock =
    "0 BLOCK|8 0|2 Long|70 0|10 0|20 0|30 0|0 LINE|8 0|6 BYBLOCK|10 0|20 0|11 200|21 0|"
    "0 LINE|8 Dashed|10 0|20 10|11 200|21 10|0 ENDBLK|8 0";

// A line from (0, 50) to (100, 50) with extra groups.
std::string line(const std::string& groups) {
  return "0 LINE|" + groups + "|10 0|20 50|11 100|21 50";
}

struct LineTypeCase {
  std::string name;
  std::vector<std::string> header;
  std::string entity;
  std::vector<double> drawnAt;  // X along the line at y 50 where it is drawn
  std::vector<double> gapAt;    // and where it is not
};

void PrintTo(const LineTypeCase& c, std::ostream* os) {
  *os << c.name;
}

class LineTypes : public testing::TestWithParam<LineTypeCase> {};

TEST_P(LineTypes, DashesAndGapsFallWhereThePatternPutsThem) {
  const LineTypeCase& c = GetParam();
  const auto document = DrawingText{c.header, kLineTypes, kLayers, {kBlock}, {c.entity}}.open();
  const RenderedDrawing drawn(*document);
  for (const double x : c.drawnAt) EXPECT_TRUE(drawn.colourAt(x, 50)) << "drawn at " << x;
  for (const double x : c.gapAt) EXPECT_FALSE(drawn.colourAt(x, 50)) << "a gap at " << x;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, LineTypes,
    testing::Values(
        LineTypeCase{"ByLayer", {}, line("8 Dashed"), {5, 17, 95}, {12.5, 27.5, 87.5}},
        LineTypeCase{
            "OwnWithItsScale", {}, line("8 Solid|6 DASHED|48 0.5"), {2.5, 9, 47}, {6.25, 13.75}},
        LineTypeCase{"DrawingScale", {"9 $LTSCALE|40 2"}, line("8 Dashed"), {15, 35}, {22.5}},
        // Dash to 10, gap to 12.5, a dot to 12.5 and a pixel, gap to 15.
        LineTypeCase{"DashDot", {}, line("8 0|6 DASHDOT"), {5, 20}, {11.5, 14}},
        LineTypeCase{"Continuous", {}, line("8 Solid"), {5, 12.5, 27.5}, {}},
        LineTypeCase{"DashesSmallerThanAPixelDrawSolid",
                     {"9 $LTSCALE|40 0.01"},
                     line("8 Dashed"),
                     {12.5, 27.5, 61.3},
                     {}},
        // The insert halves the block's 200 long line, and its pattern with it; its line type
        // passes on to the line of line type ByBlock.
        LineTypeCase{"ByBlockInAScaledInsert",
                     {},
                     "0 INSERT|8 0|6 DASHED|2 Long|10 0|20 50|41 0.5|42 0.5|43 0.5",
                     {2.5, 9},
                     {6.25, 13.75}}));

TEST(LineTypes, ScaledInsertDashesItsOwnLayersLinesAtItsScale) {
  const auto document =
      DrawingText{
          {}, kLineTypes, kLayers, {kBlock}, {"0 INSERT|8 0|2 Long|10 0|20 45|41 0.5|42 0.5"}}
          .open();
  const RenderedDrawing drawn(*document);
  EXPECT_TRUE(drawn.colourAt(2.5, 50));
  EXPECT_FALSE(drawn.colourAt(6.25, 50));
}

TEST(Dashes, RunOnAroundCornersAndStopAtTheBox) {
  const Eigen::AlignedBox2d box(Eigen::Vector2d(0, 0), Eigen::Vector2d(100, 100));
  std::vector<std::vector<Eigen::Vector2d>> dashes;
  const auto keep = [&](const std::vector<Eigen::Vector2d>& dash) { dashes.push_back(dash); };
  // An L: 6 along X then 6 along Y; dashes of 4, gaps of 2.
  dashPolyline({{10, 10}, {16, 10}, {16, 16}}, false, {4, -2}, box, keep);
  ASSERT_EQ(dashes.size(), 2u);
  EXPECT_EQ(dashes[0], (std::vector<Eigen::Vector2d>{{10, 10}, {14, 10}}));
  EXPECT_EQ(dashes[1], (std::vector<Eigen::Vector2d>{{16, 10}, {16, 14}}));
  // A line from far off screen: the pattern keeps its phase, counted from the line's start.
  dashes.clear();
  dashPolyline({{-1e6, 50}, {9, 50}}, false, {4, -2}, box, keep);
  ASSERT_FALSE(dashes.empty());
  // The box's edge is 1e6 along, 4 into a period of 6: a gap, the next dash from 2 on.
  EXPECT_NEAR(dashes.front().front().x(), 2.0, 1e-6);
  EXPECT_NEAR(dashes.back().back().x(), 9.0, 1e-6);
}

TEST(Dashes, ShowOnlyWhenEveryPieceIsAPixelOrMore) {
  EXPECT_TRUE(showsDashes({4, -2, 0, -2}));
  EXPECT_FALSE(showsDashes({4, -0.5}));
  EXPECT_FALSE(showsDashes({}));
}

}  // namespace
}  // namespace host::view
