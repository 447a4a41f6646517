#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"
#include "host/view-core/snap_points.h"

namespace host::view {
namespace {

constexpr Rgb kRed = 0xFF0000, kYellow = 0xFFFF00, kGreen = 0x00FF00, kCyan = 0x00FFFF,
              kBlue = 0x0000FF, kMagenta = 0xFF00FF;

// Layers of every case: Walls green, Doors cyan, Off (off, red), Frozen (frozen, yellow),
// Tinted (index 1 with a true colour).
const std::vector<std::string> kLayers = {"0 LAYER|2 Walls|70 0|62 3", "0 LAYER|2 Doors|70 0|62 4",
                                          "0 LAYER|2 Off|70 0|62 -1", "0 LAYER|2 Frozen|70 1|62 2",
                                          "0 LAYER|2 Tinted|70 0|62 1|420 1193046"};

// A line across the drawing at height `y`, with extra groups ("8 Walls|62 1").
std::string line(double y, const std::string& groups = "8 0") {
  const std::string h = std::to_string(y);
  return "0 LINE|" + groups + "|10 10|20 " + h + "|11 90|21 " + h;
}

// A block "name" of the given entities.
std::string block(const std::string& name, const std::vector<std::string>& entities) {
  std::string text = "0 BLOCK|8 0|2 " + name + "|70 0|10 0|20 0|30 0";
  for (const auto& entity : entities) text += "|" + entity;
  return text + "|0 ENDBLK|8 0";
}

std::string insert(const std::string& name, const std::string& groups, double y = 0) {
  return "0 INSERT|" + groups + "|2 " + name + "|10 0|20 " + std::to_string(y);
}

struct Probe {
  double y;                   // of a line drawn across at x 10 to 90
  std::optional<Rgb> colour;  // nothing: not drawn
};

struct AppearanceCase {
  std::string name;
  std::vector<std::string> blocks;
  std::vector<std::string> entities;
  std::vector<Probe> probes;
};

void PrintTo(const AppearanceCase& c, std::ostream* os) {
  *os << c.name;
}

class Appearance : public testing::TestWithParam<AppearanceCase> {};

TEST_P(Appearance, EachEntityShowsInItsColourOrNotAtAll) {
  const AppearanceCase& c = GetParam();
  const auto document = DrawingText{{}, {}, kLayers, c.blocks, c.entities}.open();
  const RenderedDrawing drawn(*document);
  for (const Probe& probe : c.probes) {
    EXPECT_EQ(drawn.colourAt(50, probe.y), probe.colour) << "the line at y " << probe.y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Colours, Appearance,
    testing::Values(
        AppearanceCase{"ByEntityLayerAndTrueColour",
                       {},
                       {line(10, "8 0|62 1"), line(20, "8 Walls"), line(30, "8 Walls|62 7"),
                        line(40, "8 0|62 256"), line(50, "8 Walls|62 5|420 16744448"),
                        line(60, "8 Tinted"), line(70, "8 0|62 0"), line(80, "8 Walls|62 11")},
                       {{10, kRed},
                        {20, kGreen},
                        {30, kForeground},
                        {40, kForeground},
                        {50, 0xFF8000},
                        {60, 0x123456},
                        {70, kForeground},  // by block outside any block
                        {80, 0xFF7F7F}}},
        AppearanceCase{"ThroughAnInsert",
                       {block("B", {line(10, "8 0|62 0"), line(20, "8 0"), line(30, "8 Doors"),
                                    line(40, "8 0|62 2"), line(50, "8 Doors|62 0")})},
                       {insert("B", "8 Walls|62 5")},
                       {{10, kBlue},   // by block: the insert's colour
                        {20, kGreen},  // layer 0 by layer: the insert's layer
                        {30, kCyan},   // a layer of its own keeps it
                        {40, kYellow},
                        {50, kBlue}}},
        AppearanceCase{"ThroughNestedInserts",
                       {block("Inner", {line(10, "8 0|62 0"), line(20, "8 0")}),
                        block("Middle", {insert("Inner", "8 0|62 0")}),
                        block("Outer", {insert("Middle", "8 0|62 0", 20)})},
                       {insert("Outer", "8 Walls|62 6")},
                       // The inner lines move up by the middle insert's 20.
                       {{30, kMagenta}, {40, kGreen}}},
        AppearanceCase{"InsertByLayerPassesItsLayersColour",
                       {block("B", {line(10, "8 0|62 0")})},
                       {insert("B", "8 Doors")},
                       {{10, kCyan}}}));

INSTANTIATE_TEST_SUITE_P(
    Layers, Appearance,
    testing::Values(
        AppearanceCase{"OffFrozenAndInvisibleAreNotDrawn",
                       {},
                       {line(10, "8 Off"), line(20, "8 Frozen"), line(30, "8 Walls|60 1"),
                        line(40, "8 Walls")},
                       {{10, std::nullopt}, {20, std::nullopt}, {30, std::nullopt}, {40, kGreen}}},
        AppearanceCase{"AnInsertOnAnOffLayerHidesWhatItsLayerGives",
                       {block("B", {line(10, "8 0"), line(20, "8 Doors"), line(30, "8 Off")})},
                       {insert("B", "8 Off")},
                       {{10, std::nullopt}, {20, kCyan}, {30, std::nullopt}}},
        AppearanceCase{
            "AnInsertOnAFrozenLayerHidesAllItHolds",
            {block("B", {line(10, "8 0"), line(20, "8 Doors")})},
            {insert("B", "8 Frozen"), insert("B", "8 Walls|60 1", 50)},
            {{10, std::nullopt}, {20, std::nullopt}, {60, std::nullopt}, {70, std::nullopt}}},
        AppearanceCase{
            "NestedOnLayerZeroTakesTheOuterLayer",
            {block("Inner", {line(10, "8 0")}), block("Outer", {insert("Inner", "8 0")})},
            {insert("Outer", "8 Off"), insert("Outer", "8 Walls", 50)},
            {{10, std::nullopt}, {60, kGreen}}}));

TEST(HiddenLayers, OfferNoSnapPoints) {
  const auto document =
      DrawingText{{}, {}, kLayers, {}, {line(10, "8 Off"), line(20, "8 Frozen"), line(30)}}.open();
  const auto points = snapPoints(*document);
  ASSERT_EQ(points.size(), 2u);
  for (const auto& point : points) EXPECT_DOUBLE_EQ(point.world.y(), 30.0);
}

TEST(HiddenLayers, AreNotCountedAsNotShown) {
  const auto document = DrawingText{{}, {}, kLayers, {}, {line(10, "8 Off"), line(20)}}.open();
  EXPECT_EQ(RenderedDrawing(*document).scene.notShown, 0u);
}

}  // namespace
}  // namespace host::view
