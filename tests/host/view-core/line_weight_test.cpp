#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/line_weight.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

// At this resolution a heavy line is as many pixels wide as it is hundredths of a millimetre.
constexpr LineWeightDisplay kPixelPerHundredth{true, 2540.0};

// Layers of every case: Heavy 0.70 mm, Plain without a lineweight, Default of the drawing's
// default, Off (off, 0.50 mm).
const std::vector<std::string> kLayers = {
    "0 LAYER|2 Heavy|70 0|62 7|370 70", "0 LAYER|2 Plain|70 0|62 7",
    "0 LAYER|2 Default|70 0|62 7|370 -3", "0 LAYER|2 Off|70 0|62 -7|370 50"};
// The default lineweight is 0.40 mm in every case but one, so that it shows apart from a thin
// line.
const std::vector<std::string> kDefault40 = {"9 $LWDEFAULT|370 40"};

// A line across the drawing at height `y`, with extra groups ("8 Heavy|370 50").
std::string line(double y, const std::string& groups) {
  const std::string h = std::to_string(y);
  return "0 LINE|" + groups + "|10 10|20 " + h + "|11 90|21 " + h;
}

std::string block(const std::string& name, const std::vector<std::string>& entities) {
  std::string text = "0 BLOCK|8 0|2 " + name + "|70 0|10 0|20 0|30 0";
  for (const auto& entity : entities) text += "|" + entity;
  return text + "|0 ENDBLK|8 0";
}

std::string insert(const std::string& name, const std::string& groups, double y = 0) {
  return "0 INSERT|" + groups + "|2 " + name + "|10 0|20 " + std::to_string(y);
}

struct Probe {
  double y;                     // of a line drawn across at x 10 to 90
  std::optional<double> width;  // pixels; nothing: not drawn
};

struct WeightCase {
  std::string name;
  std::vector<std::string> header;
  std::vector<std::string> blocks;
  std::vector<std::string> entities;
  std::vector<Probe> probes;
};

void PrintTo(const WeightCase& c, std::ostream* os) {
  *os << c.name;
}

class LineWeights : public testing::TestWithParam<WeightCase> {};

TEST_P(LineWeights, EachLineIsAsWideAsItsResolvedLineweight) {
  const WeightCase& c = GetParam();
  const auto document = DrawingText{c.header, {}, kLayers, c.blocks, c.entities}.open();
  const RenderedDrawing drawn(*document, kPixelPerHundredth);
  for (const Probe& probe : c.probes) {
    EXPECT_EQ(drawn.widthAt(50, probe.y), probe.width) << "the line at y " << probe.y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Resolution, LineWeights,
    testing::Values(
        WeightCase{"ByEntityAndByLayer",
                   kDefault40,
                   {},
                   {line(10, "8 0|370 50"), line(20, "8 Heavy"), line(30, "8 Heavy|370 -1"),
                    line(40, "8 Heavy|370 100"), line(50, "8 Plain"), line(60, "8 Default"),
                    line(70, "8 Off|370 100")},
                   {{10, 50}, {20, 70}, {30, 70}, {40, 100}, {50, 40}, {60, 40}, {70, {}}}},
        WeightCase{"TheDrawingsDefault",
                   kDefault40,
                   {},
                   {line(10, "8 Heavy|370 -3"), line(20, "8 0|370 -2"), line(30, "8 0")},
                   // By block outside any insert is the default too.
                   {{10, 40}, {20, 40}, {30, 40}}},
        WeightCase{"ADrawingWithoutADefaultDrawsItThin",
                   {},
                   {},
                   {line(10, "8 Plain"), line(20, "8 0|370 -3"), line(30, "8 Heavy")},
                   {{10, 1}, {20, 1}, {30, 70}}},
        WeightCase{
            "ThinAndNonsenseWeights",
            kDefault40,
            {},
            {line(10, "8 Heavy|370 0"), line(20, "8 Heavy|370 25"), line(30, "8 Heavy|370 30"),
             line(40, "8 Heavy|370 5000"), line(50, "8 Heavy|370 -7")},
            {{10, 1}, {20, 1}, {30, 30}, {40, 211}, {50, 40}}},
        WeightCase{"ThroughAnInsert",
                   kDefault40,
                   {block("B", {line(10, "8 0|370 -2"), line(20, "8 0"), line(30, "8 Plain"),
                                line(40, "8 0|370 30"), line(50, "8 Heavy|370 -2")})},
                   {insert("B", "8 Heavy|370 120")},
                   {{10, 120},  // by block: the insert's
                    {20, 70},   // layer 0 by layer: the insert's layer's
                    {30, 40},   // a layer of its own keeps its own
                    {40, 30},
                    {50, 120}}},
        WeightCase{"ThroughNestedInserts",
                   kDefault40,
                   {block("Inner", {line(10, "8 0|370 -2"), line(20, "8 0")}),
                    block("Middle", {insert("Inner", "8 0|370 -2")}),
                    block("Outer", {insert("Middle", "8 0|370 -2", 20)})},
                   {insert("Outer", "8 Heavy|370 158")},
                   // The inner lines move up by the middle insert's 20.
                   {{30, 158}, {40, 70}}},
        WeightCase{"AnInsertByLayerPassesItsLayersWeight",
                   kDefault40,
                   {block("B", {line(10, "8 0|370 -2")})},
                   {insert("B", "8 Heavy"), insert("B", "8 Plain", 20)},
                   {{10, 70}, {30, 40}}}));

TEST(LineWeightsOff, DrawEveryLineOnePixelWide) {
  const auto document =
      DrawingText{kDefault40, {}, kLayers, {}, {line(10, "8 0|370 100"), line(20, "8 Heavy")}}
          .open();
  const RenderedDrawing drawn(*document);
  for (const auto& stroke : drawn.canvas.strokes) EXPECT_EQ(stroke.width, 1.0);
  EXPECT_EQ(drawn.canvas.strokes.size(), 2u);
}

TEST(LineWeightsShown, LeaveFillsAndPointsOnePixelWide) {
  const std::vector<std::string> entities = {
      "0 SOLID|8 0|370 100|10 10|20 10|11 20|21 10|12 10|22 20|13 20|23 20",
      // A polyline 2 units wide, which shows as its area.
      "0 LWPOLYLINE|8 0|370 100|90 2|70 0|43 2|10 30|20 50|10 80|20 50",
      "0 POINT|8 0|370 100|10 50|20 80", line(90, "8 0|370 100")};
  // Points drawn as a plus sign.
  const auto document = DrawingText{{"9 $PDMODE|70 2"}, {}, kLayers, {}, entities}.open();
  const RenderedDrawing drawn(*document, kPixelPerHundredth);
  ASSERT_EQ(drawn.canvas.fills.size(), 2u);
  for (const auto& fill : drawn.canvas.fills) EXPECT_EQ(fill.width, 1.0);
  EXPECT_EQ(drawn.widthAt(50, 90), 100.0);
  EXPECT_EQ(drawn.widthAt(50, 80), 1.0);
}

struct PixelCase {
  int hundredths;
  double dotsPerInch;
  double pixels;
};

TEST(LineWeightPixels, AreTheWeightOnScreenRoundedWithThinLinesOnePixel) {
  const PixelCase cases[] = {
      {0, 96, 1},   {5, 96, 1},   {25, 96, 1},  {30, 96, 1},   {50, 96, 2},
      {100, 96, 4}, {211, 96, 8}, {30, 192, 2}, {100, 192, 8}, {25, 600, 1},
      {35, 600, 8}, {999, 96, 8}, {100, 0, 1},  {100, -96, 1}, {-3, 96, 1},
  };
  for (const PixelCase& c : cases) {
    EXPECT_EQ(lineWeightPixels(c.hundredths, c.dotsPerInch), c.pixels)
        << c.hundredths << " at " << c.dotsPerInch << " dpi";
  }
}

}  // namespace
}  // namespace host::view
