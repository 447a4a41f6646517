#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "host/automation/host_entity.h"
#include "host/automation/host_fixture.h"
#include "host/geom/vector_near.h"
#include "host/model/world_geometry.h"

namespace host {
namespace {

constexpr double kPi = std::numbers::pi;

// A UCS turned out of the world XY plane and moved: X along world (1, 1, 0), Y along world Z,
// so its Z runs along world (1, -1, 0).
class Placement : public HostFixture {
 protected:
  void SetUp() override {
    defineArrowBlock();
    ucs = document->UserCoordinateSystems()->Add(origin, origin + 2.0 * x, origin + 3.0 * y,
                                                 "Tilted");
    matrix = ucs->GetUCSMatrix();
  }

  // Where a UCS point lands in the world, computed by hand from the axes above.
  Eigen::Vector3d world(double ux, double uy, double uz) const {
    return origin + ux * x + uy * y + uz * z;
  }

  model::WorldGeometry geometryOf(const cad::Ref<cad::Entity>& entity) const {
    return model::worldGeometry(*drawing, modelEntity(entity));
  }

  const Eigen::Vector3d origin{10, 20, 5};
  const Eigen::Vector3d x = Eigen::Vector3d(1, 1, 0) / std::sqrt(2.0);
  const Eigen::Vector3d y{0, 0, 1};
  const Eigen::Vector3d z = Eigen::Vector3d(1, -1, 0) / std::sqrt(2.0);
  cad::Ref<cad::UCS> ucs;
  cad::Matrix4 matrix;
};

// That this UCS's matrix has the axes as columns and the origin as translation is checked for
// every backend by the cad:: member suite (tests/cad/conformance/ucs_members_test.cpp).

TEST_F(Placement, NegativeXArrowLandsWhereTheHandComputationSays) {
  const double h = 0.5;
  auto arrow = modelSpace->InsertBlock({1, 2, 0}, "ARROWX1", h, h, h, kPi);
  arrow->TransformBy(matrix);
  const auto world = geometryOf(arrow);
  ASSERT_EQ(world.polylines.size(), 1u);
  const auto& points = world.polylines[0].points;
  ASSERT_EQ(points.size(), 15u);
  EXPECT_TRUE(vectorNear(points[0], this->world(1, 2, 0)));         // tail
  EXPECT_TRUE(vectorNear(points[1], this->world(-0.5, 2, 0)));      // tip, 3h towards -X
  EXPECT_TRUE(vectorNear(points[2], this->world(0.125, 1.75, 0)));  // XY head corner, turned
  EXPECT_TRUE(vectorNear(points[5], this->world(0.125, 2, 0.25)));  // XZ head corner
  EXPECT_TRUE(vectorNear(points[14], this->world(1, 2, 0)));
}

TEST_F(Placement, QuarterTurnAboutTheUcsXAxisStandsAYArrowUpUcsZ) {
  const double h = 2.0;
  auto arrow = modelSpace->InsertBlock({4, -1, 0}, "ArrowX1", h, h, h, kPi / 2);
  arrow->TransformBy(matrix);
  arrow->Rotate3D(world(4, -1, 0), world(5, -1, 0), kPi / 2);
  const auto points = geometryOf(arrow).polylines.at(0).points;
  EXPECT_TRUE(vectorNear(points[0], world(4, -1, 0)));
  EXPECT_TRUE(vectorNear(points[1], world(4, -1, 6)));
}

TEST_F(Placement, TextLiesInTheUcsXYPlaneReadingAlongUcsX) {
  auto text = modelSpace->AddText("0.012", {3, 4, 0}, 0.25);
  text->TransformBy(matrix);
  const auto texts = geometryOf(text).texts;
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "0.012");
  EXPECT_DOUBLE_EQ(texts[0].height, 0.25);
  EXPECT_TRUE(vectorNear(texts[0].placement * Eigen::Vector3d(0, 0, 0), world(3, 4, 0)));
  EXPECT_TRUE(vectorNear(texts[0].placement.linear() * Eigen::Vector3d::UnitX(), x));
  EXPECT_TRUE(vectorNear(texts[0].placement.linear() * Eigen::Vector3d::UnitY(), y));
}

TEST_F(Placement, BubbleEllipseFollowsTheUcs) {
  auto bubble = modelSpace->AddEllipse({1, 1, 0}, {3.5, 0, 0}, 0.75 / 3.5);
  bubble->TransformBy(matrix);
  const auto ellipses = geometryOf(bubble).ellipses;
  ASSERT_EQ(ellipses.size(), 1u);
  EXPECT_TRUE(vectorNear(ellipses[0].centre, world(1, 1, 0)));
  EXPECT_TRUE(vectorNear(ellipses[0].majorAxis.cwiseAbs(), (3.5 * x).cwiseAbs()));
  EXPECT_TRUE(vectorNear(ellipses[0].minorAxis().cwiseAbs(), (0.75 * y).cwiseAbs()));
  EXPECT_TRUE(ellipses[0].isFull());
}

TEST_F(Placement, EachCallIsOneUndoStep) {
  auto arrow = modelSpace->InsertBlock({1, 0, 0}, "ArrowX1", 1, 1, 1, 0);
  arrow->TransformBy(matrix);
  drawing->undo();
  EXPECT_TRUE(vectorNear(geometryOf(arrow).polylines.at(0).points[1], {4, 0, 0}));
  drawing->undo();
  EXPECT_EQ(modelSpaceCount(), 0u);
  EXPECT_THROW(arrow->TransformBy(matrix), cad::AutomationError);
  drawing->redo();
  drawing->redo();
  EXPECT_TRUE(vectorNear(geometryOf(arrow).polylines.at(0).points[1], world(4, 0, 0)));
}

}  // namespace
}  // namespace host
