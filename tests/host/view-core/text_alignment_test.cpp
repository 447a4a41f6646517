#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

constexpr double kDown = -1.0;  // text reading down the screen: turned 90 degrees

struct AlignmentCase {
  std::string name;
  std::string entity;
  // Where the canvas is told the text's baseline starts, before it moves the text by its
  // anchor, in world coordinates; and how the text lies along its baseline.
  Eigen::Vector2d baselineStart;
  float anchor;
  float width = 0.0f;  // 0: as wide as the glyphs
  bool proportional = false;
  double direction = 1.0;  // kDown for text turned 90 degrees
};

void PrintTo(const AlignmentCase& c, std::ostream* os) {
  *os << c.name;
}

// Every text below is 2 units high; its alignment point, where one is used, is (50, 20).
std::string text(const std::string& groups) {
  return "0 TEXT|8 0|10 10|20 20|40 2|1 Survey|" + groups;
}

class TextAlignment : public testing::TestWithParam<AlignmentCase> {};

TEST_P(TextAlignment, TextLiesWhereItsAlignmentPuts) {
  const AlignmentCase& c = GetParam();
  // An empty block, for the insert that carries an attribute.
  const std::string block = "0 BLOCK|8 0|2 Empty|70 0|10 0|20 0|30 0|0 ENDBLK|8 0";
  const auto document = DrawingText{{}, {}, {}, {block}, {c.entity}}.open();
  const RenderedDrawing drawn(*document);
  ASSERT_EQ(drawn.canvas.labels.size(), 1u);
  const auto& label = drawn.canvas.labels[0];
  const double glyph = 2.0 * drawn.projection.scale();
  const Eigen::Vector2d start = label.textToScreen * Eigen::Vector2d(0, 0);
  EXPECT_LT((start - drawn.screen(c.baselineStart.x(), c.baselineStart.y())).norm(), 1e-6)
      << "baseline starts at " << start.transpose() << " pixels";
  EXPECT_FLOAT_EQ(label.fit.anchor, c.anchor);
  EXPECT_FLOAT_EQ(label.fit.width, c.width);
  EXPECT_EQ(label.fit.proportional, c.proportional);
  // Along the baseline: right on screen, or down for the turned text.
  const Eigen::Vector2d along = label.textToScreen.linear().col(0);
  const Eigen::Vector2d expected =
      c.direction > 0 ? Eigen::Vector2d(glyph, 0) : Eigen::Vector2d(0, glyph);
  EXPECT_LT((along - expected).norm(), 1e-6) << along.transpose();
  EXPECT_EQ(drawn.scene.notShown, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    LineText, TextAlignment,
    testing::Values(
        AlignmentCase{"Left", text("11 50|21 20"), {10, 20}, 0.0f},
        AlignmentCase{"Centre", text("72 1|11 50|21 20"), {50, 20}, 0.5f},
        AlignmentCase{"Right", text("72 2|11 50|21 20"), {50, 20}, 1.0f},
        // Middle: halfway up the capitals, 1 below the point.
        AlignmentCase{"Middle", text("72 4|11 50|21 20"), {50, 19}, 0.5f},
        AlignmentCase{"TopLeft", text("73 3|11 50|21 20"), {50, 18}, 0.0f},
        AlignmentCase{"MiddleRight", text("72 2|73 2|11 50|21 20"), {50, 19}, 1.0f},
        // Bottom: the descenders' foot, 0.3 glyph heights below the baseline.
        AlignmentCase{"BottomCentre", text("72 1|73 1|11 50|21 20"), {50, 20.6}, 0.5f},
        AlignmentCase{"Aligned", text("72 3|11 60|21 20"), {10, 20}, 0.0f, 25.0f, true},
        AlignmentCase{"Fit", text("72 5|11 60|21 20"), {10, 20}, 0.0f, 25.0f, false},
        AlignmentCase{
            "CentreTurned", text("72 1|50 -90|11 50|21 20"), {50, 20}, 0.5f, 0.0f, false, kDown}));

INSTANTIATE_TEST_SUITE_P(
    MultiLineText, TextAlignment,
    testing::Values(
        // The first line's capitals hang from the top left point.
        AlignmentCase{"TopLeft", "0 MTEXT|8 0|10 50|20 20|40 2|71 1|1 Survey", {50, 18}, 0.0f},
        AlignmentCase{"MiddleCentre", "0 MTEXT|8 0|10 50|20 20|40 2|71 5|1 Survey", {50, 19}, 0.5f},
        AlignmentCase{
            "BottomRight", "0 MTEXT|8 0|10 50|20 20|40 2|71 9|1 Survey", {50, 20.6}, 1.0f}));

INSTANTIATE_TEST_SUITE_P(
    Attribute, TextAlignment,
    testing::Values(AlignmentCase{
        "TopCentreInAnInsert",
        "0 INSERT|8 0|66 1|2 Empty|10 0|20 0|0 ATTRIB|8 0|10 0|20 0|40 2|1 Survey|2 TAG|70 0|"
        "72 1|74 3|11 50|21 20|0 SEQEND|8 0",
        {50, 18},
        0.5f}));

}  // namespace
}  // namespace host::view
