#include <gtest/gtest.h>

#include "host/automation/host_fixture.h"
#include "host/geom/vector_near.h"
#include "host/view-core/recording_canvas.h"
#include "host/view-core/renderer.h"

namespace host::view {
namespace {

bool near2d(const Eigen::Vector2d& a, const Eigen::Vector2d& b, double tolerance = 1e-6) {
  return (a - b).norm() <= tolerance;
}

// An arrow insert and its label placed the way the Insert command places them: built in UCS
// coordinates, then moved into the world with the UCS matrix. The UCS is turned 90 degrees
// about Z, so UCS X runs along world Y (up the screen in the top view).
class ArrowRendering : public HostFixture {
 protected:
  void SetUp() override {
    defineArrowBlock();
    drawing->setCurrentUcs({"", ucs});
    const cad::Matrix4 matrix = document->ActiveUCS()->GetUCSMatrix();
    modelSpace->InsertBlock({2, 1, 0}, "ArrowX1", 0.5, 0.5, 0.5, 0.0)->TransformBy(matrix);
    modelSpace->AddText("1.234", {2, 2, 0}, 0.25)->TransformBy(matrix);

    projection.setViewport(800, 600);
    projection.setOrientation(viewOrientation(StandardView::Top));
    scene = buildScene(*drawing, projection.orientation());
    projection.fit(scene.bounds);
  }

  Eigen::Vector2d screenOfUcs(double x, double y) const {
    return projection.worldToScreen(ucs.pointToWorld({x, y, 0}));
  }

  const geom::Frame ucs = geom::Frame::fromDirections({10, 20, 0}, {0, 1, 0}, {-1, 0, 0});
  ViewProjection projection;
  Scene scene;
  RecordingCanvas canvas;
};

TEST_F(ArrowRendering, ArrowRunsAlongUcsXFromItsInsertionPoint) {
  renderScene(scene, projection, canvas);
  ASSERT_EQ(canvas.strokes.size(), 1u);
  const auto& arrow = canvas.strokes[0].points;
  ASSERT_EQ(arrow.size(), 15u);
  EXPECT_TRUE(near2d(arrow[0], screenOfUcs(2, 1)));    // tail at the insertion point
  EXPECT_TRUE(near2d(arrow[1], screenOfUcs(3.5, 1)));  // tip, 3 x 0.5 along UCS X
  EXPECT_TRUE(near2d(arrow[2], screenOfUcs(2.875, 1.25)));
  // UCS X is world Y: the arrow points straight up the screen.
  EXPECT_NEAR(arrow[1].x(), arrow[0].x(), 1e-9);
  EXPECT_LT(arrow[1].y(), arrow[0].y());
}

TEST_F(ArrowRendering, LabelLiesInTheUcsPlaneReadingAlongUcsX) {
  renderScene(scene, projection, canvas);
  ASSERT_EQ(canvas.labels.size(), 1u);
  const auto& label = canvas.labels[0];
  EXPECT_EQ(label.text, "1.234");
  const double glyph = 0.25 * projection.scale();  // pixels per glyph height
  EXPECT_TRUE(near2d(label.textToScreen * Eigen::Vector2d(0, 0), screenOfUcs(2, 2)));
  // Baseline along UCS X (screen up), glyphs rising along UCS Y (world -X, screen left).
  EXPECT_TRUE(near2d(label.textToScreen.linear().col(0), {0, -glyph}));
  EXPECT_TRUE(near2d(label.textToScreen.linear().col(1), {-glyph, 0}));
}

TEST_F(ArrowRendering, UcsIconSitsAtTheUcsOriginWithItsAxes) {
  projection.zoomAbout({400, 300}, 0.2);  // bring the UCS origin well inside the view
  renderUcsIcon(ucs, projection, canvas);
  const Eigen::Vector2d origin = projection.worldToScreen(ucs.origin());
  ASSERT_GE(canvas.strokes.size(), 4u);
  const auto& xArm = canvas.strokes[0].points;
  EXPECT_EQ(canvas.strokes[0].ink, Ink::UcsIcon);
  EXPECT_TRUE(near2d(xArm[0], origin));
  EXPECT_TRUE(near2d(xArm[1], origin + Eigen::Vector2d(0, -40)));  // UCS X up the screen
  const auto& yArm = canvas.strokes[2].points;
  EXPECT_TRUE(near2d(yArm[1], origin + Eigen::Vector2d(-40, 0)));  // UCS Y to the left
  // Z points at the viewer and is left out; the two labels name the axes.
  ASSERT_EQ(canvas.labels.size(), 2u);
  EXPECT_EQ(canvas.labels[0].text, "X");
  EXPECT_EQ(canvas.labels[1].text, "Y");
}

TEST_F(ArrowRendering, NothingOffScreenIsPainted) {
  projection.panByPixels({5000, 0});
  renderScene(scene, projection, canvas);
  EXPECT_TRUE(canvas.strokes.empty());
  EXPECT_TRUE(canvas.labels.empty());
}

TEST_F(ArrowRendering, DeepZoomOnTheArrowKeepsStrokesOnItAndNearTheWidget) {
  // So deep that the arrow's ends lie millions of pixels off screen.
  projection.zoomAbout(projection.worldToScreen(ucs.pointToWorld({2.75, 1, 0})), 1e6);
  renderScene(scene, projection, canvas);
  ASSERT_FALSE(canvas.strokes.empty());
  const Eigen::Vector2d tail = screenOfUcs(2, 1);
  const Eigen::Vector2d tip = screenOfUcs(3.5, 1);
  for (const auto& stroke : canvas.strokes) {
    for (const auto& p : stroke.points) {
      EXPECT_LT(p.cwiseAbs().maxCoeff(), 1e4);
    }
  }
  // The shaft still runs through the middle of the widget, along the screen's vertical.
  const auto& shaft = canvas.strokes[0].points;
  EXPECT_NEAR(shaft[0].x(), tail.x(), 1e-3);
  EXPECT_NEAR(shaft[1].x(), tip.x(), 1e-3);
  EXPECT_LT(shaft[0].y(), 1e4);
  EXPECT_GT(shaft[1].y(), -1e4);
}

TEST(SceneOfTexts, TextSeenEdgeOnShowsAsItsBaseline) {
  model::Document drawing;
  model::Text text{"edge", Eigen::Affine3d::Identity(), 2.0, 0};
  drawing.addEntity(model::BlockTable::kModelSpace, text);  // in the world XY plane
  const Scene scene = buildScene(drawing, viewOrientation(StandardView::Front));
  EXPECT_TRUE(scene.texts.empty());
  ASSERT_EQ(scene.polylines.size(), 1u);
  EXPECT_NEAR(scene.polylines[0].points[0].y(), 0.0, 1e-12);
  EXPECT_NEAR(scene.polylines[0].points[1].y(), 0.0, 1e-12);
}

}  // namespace
}  // namespace host::view
