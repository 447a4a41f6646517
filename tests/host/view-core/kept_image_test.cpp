#include <gtest/gtest.h>

#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

struct ImageCase {
  std::string name;
  std::string entity;
  std::vector<Eigen::Vector2d> corners;  // world coordinates, from the insertion point round
};

void PrintTo(const ImageCase& c, std::ostream* os) {
  *os << c.name;
}

class ImageFrame : public testing::TestWithParam<ImageCase> {};

TEST_P(ImageFrame, FramesTheImageWhereItLies) {
  const ImageCase& c = GetParam();
  const auto document = DrawingText{{}, {}, {}, {}, {c.entity}}.open();
  const RenderedDrawing drawn(*document);
  ASSERT_EQ(drawn.canvas.strokes.size(), 1u);
  const auto& frame = drawn.canvas.strokes[0];
  EXPECT_TRUE(frame.closed);
  ASSERT_EQ(frame.points.size(), c.corners.size());
  for (std::size_t k = 0; k < c.corners.size(); ++k) {
    const Eigen::Vector2d expected = drawn.screen(c.corners[k].x(), c.corners[k].y());
    EXPECT_LT((frame.points[k] - expected).norm(), 1e-6)
        << "corner " << k << " at " << frame.points[k].transpose() << " pixels";
  }
  EXPECT_EQ(drawn.scene.notShown, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Images, ImageFrame,
    testing::Values(
        // 200 by 100 pixels, each 0.1 units square, from (10, 20).
        ImageCase{"Upright",
                  "0 IMAGE|8 0|10 10|20 20|30 0|11 0.1|21 0|31 0|12 0|22 0.1|32 0|13 200|23 100",
                  {{10, 20}, {30, 20}, {30, 30}, {10, 30}}},
        // Turned 90 degrees, pixels 0.2 wide and 0.1 high.
        ImageCase{"Turned",
                  "0 IMAGE|8 0|10 50|20 10|30 0|11 0|21 0.2|31 0|12 -0.1|22 0|32 0|13 100|23 100",
                  {{50, 10}, {50, 30}, {40, 30}, {40, 10}}}));

TEST(ImageFrame, AnImageWithoutASizeIsCountedAsNotShown) {
  const auto document =
      DrawingText{{}, {}, {}, {}, {"0 IMAGE|8 0|10 10|20 20|11 0.1|21 0|12 0|22 0.1"}}.open();
  const RenderedDrawing drawn(*document);
  EXPECT_TRUE(drawn.canvas.strokes.empty());
  EXPECT_EQ(drawn.scene.notShown, 1u);
}

}  // namespace
}  // namespace host::view
