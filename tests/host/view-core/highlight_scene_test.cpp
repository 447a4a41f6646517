// Highlighted entities as the drawing window paints them over the drawing: only those, in the
// highlight's light blue, their lines dashed the same on screen at any zoom.
#include "host/view-core/highlight_scene.h"

#include <gtest/gtest.h>

#include "host/automation/host_application.h"
#include "host/automation/host_document.h"
#include "host/automation/host_entity.h"
#include "host/view-core/recording_canvas.h"
#include "host/view-core/renderer.h"

namespace host::view {
namespace {

constexpr Rgb kLightBlue = 0x80c0ff;

class HighlightScene : public testing::Test {
 protected:
  model::Handle handleOf(const cad::Ref<cad::Entity>& entity) const {
    return modelEntity(entity).handle;
  }
  Scene sceneOf(const std::set<model::Handle>& handles) const {
    return highlightScene(*modelOf(document), Eigen::Matrix3d::Identity(), handles);
  }

  std::shared_ptr<HostApplication> application = HostApplication::withNewDrawing();
  cad::Ref<cad::Document> document = application->ActiveDocument();
  cad::Ref<cad::Entity> line = document->ModelSpace()->AddLine({0, 0, 0}, {100, 0, 0});
  cad::Ref<cad::Entity> other = document->ModelSpace()->AddLine({0, 50, 0}, {100, 50, 0});
  cad::Ref<cad::Entity> label = document->ModelSpace()->AddText("ST101", {0, 20, 0}, 5);
};

TEST_F(HighlightScene, HoldsOnlyTheHighlightedEntitiesInLightBlue) {
  struct Case {
    const char* what;
    std::set<model::Handle> handles;
    std::size_t lines, texts;
  };
  for (const Case& c : {Case{"none", {}, 0, 0}, Case{"a line", {handleOf(line)}, 1, 0},
                        Case{"a line and a label", {handleOf(line), handleOf(label)}, 1, 1},
                        Case{"one that is gone", {handleOf(other) + 1000}, 0, 0}}) {
    const Scene scene = sceneOf(c.handles);
    EXPECT_EQ(scene.polylines.size(), c.lines) << c.what;
    EXPECT_EQ(scene.texts.size(), c.texts) << c.what;
    for (const auto& polyline : scene.polylines) EXPECT_EQ(polyline.colour, kLightBlue) << c.what;
    for (const auto& text : scene.texts) EXPECT_EQ(text.colour, kLightBlue) << c.what;
  }
}

// A 100 long line seen at two zooms: dashes of the same length on screen, so twice as many
// of them at twice the zoom.
TEST_F(HighlightScene, DashesKeepTheirLengthOnScreenAtAnyZoom) {
  for (const int width : {420, 820}) {
    Scene scene = sceneOf({handleOf(line)});
    ViewProjection projection;
    projection.setViewport(width, 100);
    projection.fit(Eigen::AlignedBox2d(Eigen::Vector2d(0, -1), Eigen::Vector2d(100, 1)));
    setHighlightDashes(scene, projection.scale());
    RecordingCanvas canvas;
    renderScene(scene, projection, canvas);
    ASSERT_GT(canvas.strokes.size(), 10u);
    for (const auto& stroke : canvas.strokes) {
      EXPECT_LE((stroke.points.back() - stroke.points.front()).norm(), 6.01) << width;
    }
    EXPECT_NEAR(static_cast<double>(canvas.strokes.size()), 100 * projection.scale() / 10, 2)
        << width;
  }
}

}  // namespace
}  // namespace host::view
