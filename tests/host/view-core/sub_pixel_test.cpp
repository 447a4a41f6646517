#include <gtest/gtest.h>

#include "host/view-core/recording_canvas.h"
#include "host/view-core/renderer.h"

// Seen whole, a dense drawing is mostly entities under a pixel: each shows as a dot, one per
// pixel, colour and width, so that painting costs what the screen costs.
namespace host::view {
namespace {

using Eigen::Vector3d;
using model::BlockTable;

struct Tiny {
  Vector3d at;
  int colour;
  int lineWeight = model::EntityProperties::kLineWeightByLayer;
};

struct DotCase {
  const char* name;
  std::vector<Tiny> lines;  // each 0.01 long, on a drawing 100 wide seen in 200 pixels
  bool lineWeights;
  std::size_t strokes;
  std::size_t dots;
  double dotsPerInch = 2540.0;  // a hundredth of a millimetre is a pixel
};

void PrintTo(const DotCase& c, std::ostream* os) {
  *os << c.name;
}

class SubPixelDotsTest : public testing::TestWithParam<DotCase> {};

TEST_P(SubPixelDotsTest, DrawsOneDotPerPixelAndColour) {
  const DotCase& c = GetParam();
  model::Document document;
  // A frame 100 units wide sets the zoom: 2 pixels a unit.
  document.addEntity(BlockTable::kModelSpace, model::Line{{0, 0, 0}, {100, 0, 0}});
  document.addEntity(BlockTable::kModelSpace, model::Line{{0, 50, 0}, {100, 50, 0}});
  for (const Tiny& tiny : c.lines) {
    const auto where = document.addEntity(BlockTable::kModelSpace,
                                          model::Line{tiny.at, tiny.at + Vector3d(0.01, 0, 0)});
    model::EntityProperties properties;
    properties.colour.index = tiny.colour;
    properties.lineWeight = tiny.lineWeight;
    document.setEntityProperties(where, properties);
  }
  ViewProjection projection;
  projection.setViewport(200, 100);
  projection.setOrientation(viewOrientation(StandardView::Top));
  const Scene scene = buildScene(document, projection.orientation());
  projection.fit(scene.bounds);
  RecordingCanvas canvas;
  renderScene(scene, projection, canvas, {{c.lineWeights, c.dotsPerInch}});

  EXPECT_EQ(canvas.strokes.size(), c.strokes + 2);
  std::size_t dots = 0;
  for (const auto& stroke : canvas.strokes) {
    if (stroke.points.size() == 2 && (stroke.points[1] - stroke.points[0]).norm() == 1.0) ++dots;
  }
  EXPECT_EQ(dots, c.dots);
}

const Vector3d kHere(20, 20, 0);
const Vector3d kThere(60, 30, 0);

INSTANTIATE_TEST_SUITE_P(
    Cases, SubPixelDotsTest,
    testing::Values(
        DotCase{"many_on_one_pixel", {{kHere, 1}, {kHere, 1}, {kHere, 1}}, false, 1, 1},
        DotCase{"two_colours_on_one_pixel", {{kHere, 1}, {kHere, 3}, {kHere, 1}}, false, 3, 3},
        DotCase{"two_places", {{kHere, 1}, {kThere, 1}}, false, 2, 2},
        // 1.00 mm at 2540 dpi is 100 pixels wide: never a dot.
        DotCase{"heavy_lines_shown", {{kHere, 1, 100}, {kHere, 1, 100}}, true, 2, 0},
        DotCase{"thin_lines_with_lineweights_shown", {{kHere, 1, 13}, {kHere, 1, 13}}, true, 1, 1},
        // At 254 dpi 0.50 mm is 5 pixels wide: a dot as wide, one for both; another width,
        // another dot.
        DotCase{"lines_a_few_pixels_wide", {{kHere, 1, 50}, {kHere, 1, 50}}, true, 1, 1, 254.0},
        DotCase{"two_widths_on_one_pixel", {{kHere, 1, 50}, {kHere, 1, 100}}, true, 2, 2, 254.0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace host::view
