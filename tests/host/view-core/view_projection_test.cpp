#include <cmath>
#include <ostream>

#include <gtest/gtest.h>

#include "host/geom/vector_near.h"
#include "host/view-core/view_projection.h"

namespace host::view {
namespace {

struct ViewCase {
  StandardView view;
  Eigen::Vector3d towardsViewer;  // world direction that points out of the screen
  Eigen::Vector3d rightOnScreen;  // a world direction that shows pointing right (and not up)
};

void PrintTo(const ViewCase& c, std::ostream* out) {
  *out << "view " << static_cast<int>(c.view);
}

class StandardViews : public testing::TestWithParam<ViewCase> {};

TEST_P(StandardViews, LookFromWhereTheirNamesSay) {
  const Eigen::Matrix3d m = viewOrientation(GetParam().view);
  EXPECT_TRUE((m * m.transpose()).isApprox(Eigen::Matrix3d::Identity()));
  EXPECT_NEAR(m.determinant(), 1.0, 1e-12);  // a rotation, never a mirror image
  EXPECT_TRUE(vectorNear(m.row(2).transpose(), GetParam().towardsViewer.normalized()));
  const Eigen::Vector3d right = m * GetParam().rightOnScreen;
  EXPECT_GT(right.x(), 0.0);
  EXPECT_NEAR(right.y(), 0.0, 1e-12);
  // World Z never points down the screen.
  EXPECT_GE((m * Eigen::Vector3d::UnitZ()).y(), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    All, StandardViews,
    testing::Values(ViewCase{StandardView::Top, {0, 0, 1}, {1, 0, 0}},
                    ViewCase{StandardView::Front, {0, -1, 0}, {1, 0, 0}},
                    ViewCase{StandardView::Right, {1, 0, 0}, {0, 1, 0}},
                    ViewCase{StandardView::SouthWestIso, {-1, -1, 1}, {1, -1, 0}},
                    ViewCase{StandardView::SouthEastIso, {1, -1, 1}, {1, 1, 0}}));

class Projection : public testing::Test {
 protected:
  void SetUp() override {
    projection.setViewport(800, 600);
    projection.setOrientation(viewOrientation(StandardView::SouthWestIso));
    Eigen::AlignedBox2d box(Eigen::Vector2d(-10, -5), Eigen::Vector2d(30, 25));
    projection.fit(box);
  }
  ViewProjection projection;
};

TEST_F(Projection, ScreenAndViewAreInverse) {
  for (const Eigen::Vector2d& screen :
       {Eigen::Vector2d(0, 0), Eigen::Vector2d(800, 600), Eigen::Vector2d(123.5, 456.25)}) {
    EXPECT_TRUE(projection.viewToScreen(projection.screenToView(screen)).isApprox(screen));
  }
}

TEST_F(Projection, FitShowsTheWholeBoxCentred) {
  const Eigen::Vector2d corner1 = projection.viewToScreen({-10, -5});
  const Eigen::Vector2d corner2 = projection.viewToScreen({30, 25});
  for (const auto& c : {corner1, corner2}) {
    EXPECT_GE(c.x(), 0.0);
    EXPECT_LE(c.x(), 800.0);
    EXPECT_GE(c.y(), 0.0);
    EXPECT_LE(c.y(), 600.0);
  }
  EXPECT_TRUE(((corner1 + corner2) / 2).isApprox(Eigen::Vector2d(400, 300)));
}

TEST_F(Projection, ZoomKeepsThePointUnderTheCursor) {
  const Eigen::Vector2d cursor(650, 120);
  const Eigen::Vector2d before = projection.screenToView(cursor);
  const double scale = projection.scale();
  projection.zoomAbout(cursor, 1.2);
  EXPECT_NEAR(projection.scale(), 1.2 * scale, 1e-12 * scale);
  EXPECT_TRUE(projection.screenToView(cursor).isApprox(before));
}

TEST_F(Projection, PanMovesTheDrawingWithTheMouse) {
  const Eigen::Vector3d world(3, 4, 5);
  const Eigen::Vector2d before = projection.worldToScreen(world);
  projection.panByPixels({25, -10});
  EXPECT_TRUE(projection.worldToScreen(world).isApprox(before + Eigen::Vector2d(25, -10)));
}

TEST_F(Projection, ScreenPointFallsOnTheUcsPlaneUnderTheCursor) {
  const geom::Frame tilted = geom::Frame::fromDirections({5, 5, 2}, {1, 0, 0}, {0, 1, 1});
  const Eigen::Vector3d onPlane = tilted.pointToWorld({3, -2, 0});
  const auto found = projection.screenToPlane(projection.worldToScreen(onPlane), tilted);
  ASSERT_TRUE(found);
  EXPECT_TRUE(vectorNear(*found, onPlane, 1e-7));
}

TEST_F(Projection, PlaneSeenEdgeOnHasNoPointUnderTheCursor) {
  projection.setOrientation(viewOrientation(StandardView::Front));
  EXPECT_FALSE(projection.screenToPlane({400, 300}, geom::Frame()));
}

}  // namespace
}  // namespace host::view
