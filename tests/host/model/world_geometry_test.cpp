#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "host/geom/invalid_input.h"
#include "host/geom/vector_near.h"
#include "host/model/document.h"
#include "host/model/entity_transform.h"
#include "host/model/world_geometry.h"

namespace host::model {
namespace {

constexpr BlockIndex kModel = BlockTable::kModelSpace;
constexpr double kPi = std::numbers::pi;

BlockReference insertOf(BlockIndex block, const Eigen::Affine3d& placement) {
  return BlockReference{block, placement};
}

TEST(WorldGeometry, InsertPlacesTheBlockRelativeToItsBasePoint) {
  Document document;
  const BlockIndex block = document.addBlock("Tick", {1, 1, 0});
  document.addEntity(block, Line{{1, 1, 0}, {2, 1, 0}});
  // At (10, 0, 0), turned a quarter, scaled by 2.
  const auto at = document.addEntity(
      kModel, insertOf(block, Eigen::Translation3d(10, 0, 0) *
                                  Eigen::AngleAxisd(kPi / 2, Eigen::Vector3d::UnitZ()) *
                                  Eigen::Scaling(2.0)));
  const WorldGeometry world = worldGeometry(document, document.entity(at));
  ASSERT_EQ(world.polylines.size(), 1u);
  EXPECT_TRUE(vectorNear(world.polylines[0].points[0], {10, 0, 0}));
  EXPECT_TRUE(vectorNear(world.polylines[0].points[1], {10, 2, 0}));
}

TEST(WorldGeometry, NestedInsertsComposeAndABlockInsideItselfStops) {
  Document document;
  const BlockIndex inner = document.addBlock("Inner", {0, 0, 0});
  const BlockIndex outer = document.addBlock("Outer", {0, 0, 0});
  document.addEntity(inner, Point{{1, 0, 0}});
  document.addEntity(outer, insertOf(inner, Eigen::Affine3d(Eigen::Translation3d(0, 5, 0))));
  // The outer block also contains itself, and the inner one contains the outer one.
  document.addEntity(outer, insertOf(outer, Eigen::Affine3d::Identity()));
  document.addEntity(inner, insertOf(outer, Eigen::Affine3d::Identity()));
  const auto at =
      document.addEntity(kModel, insertOf(outer, Eigen::Affine3d(Eigen::Translation3d(100, 0, 0))));
  const WorldGeometry world = worldGeometry(document, document.entity(at));
  ASSERT_EQ(world.points.size(), 1u);
  EXPECT_TRUE(vectorNear(world.points[0], {101, 5, 0}));
}

TEST(WorldGeometry, BulgeOfOneIsAHalfCircleOnTheLeftOfTheChord) {
  Document document;
  Polyline2d polyline;
  polyline.vertices = {{{0, 0}, 1.0}, {{2, 0}, 0.0}};
  polyline.elevation = 3;
  const auto at = document.addEntity(kModel, polyline);
  const WorldGeometry world = worldGeometry(document, document.entity(at));
  ASSERT_EQ(world.polylines.size(), 1u);
  const auto& points = world.polylines[0].points;
  EXPECT_TRUE(vectorNear(points.front(), {0, 0, 3}));
  EXPECT_TRUE(vectorNear(points.back(), {2, 0, 3}));
  for (const auto& p : points) {
    EXPECT_NEAR((p - Eigen::Vector3d(1, 0, 3)).norm(), 1.0, 1e-12);
    EXPECT_LE(p.y(), 1e-12);  // counter-clockwise from (0,0) to (2,0) passes below
  }
}

TEST(WorldGeometry, PolylineOnAnUpsideDownExtrusionIsMirrored) {
  Document document;
  Polyline2d polyline;
  polyline.vertices = {{{1, 2}, 0.0}, {{3, 2}, 0.0}};
  polyline.elevation = 4;
  polyline.extrusion = {0, 0, -1};
  const auto at = document.addEntity(kModel, polyline);
  const auto points = worldGeometry(document, document.entity(at)).polylines[0].points;
  EXPECT_TRUE(vectorNear(points[0], {-1, 2, -4}));
  EXPECT_TRUE(vectorNear(points[1], {-3, 2, -4}));
}

TEST(EntityTransform, ArcStaysAnArcUnderATurnAndKeepsItsEnds) {
  const Arc arc{{1, 0, 0}, 2.0, {0, 0, 1}, 0.0, kPi / 2};
  const Eigen::Affine3d turn(Eigen::AngleAxisd(kPi / 2, Eigen::Vector3d::UnitX()));
  const auto moved = std::get<Arc>(transformed(arc, turn));
  Document document;
  const auto at = document.addEntity(kModel, moved);
  const auto ellipse = worldGeometry(document, document.entity(at)).ellipses.at(0);
  EXPECT_TRUE(vectorNear(ellipse.pointAt(ellipse.startParameter), {3, 0, 0}));
  EXPECT_TRUE(vectorNear(ellipse.pointAt(ellipse.endParameter), {1, 0, 2}));
}

TEST(EntityTransform, CircleBecomesAnEllipseUnderAnUnevenScale) {
  const Circle circle{{0, 0, 0}, 1.0, {0, 0, 1}};
  const EntityData moved = transformed(circle, Eigen::Affine3d(Eigen::Scaling(3.0, 1.0, 1.0)));
  const auto& ellipse = std::get<Ellipse>(moved).shape;
  EXPECT_NEAR(ellipse.majorAxis.norm(), 3.0, 1e-12);
  EXPECT_NEAR(ellipse.ratio, 1.0 / 3.0, 1e-12);
}

TEST(EntityTransform, RefusesWhatCannotStayExact) {
  Polyline2d withArc;
  withArc.vertices = {{{0, 0}, 0.5}, {{1, 0}, 0.0}};
  const Eigen::Affine3d uneven(Eigen::Scaling(2.0, 1.0, 1.0));
  EXPECT_THROW(transformed(withArc, uneven), InvalidInput);
  EXPECT_THROW(transformed(UnsupportedEntity{"HATCH", {}}, uneven), InvalidInput);
  // Straight segments stay exact under any affine map.
  EXPECT_NO_THROW(transformed(Polyline2d{{{{0, 0}, 0.0}, {{1, 0}, 0.0}}}, uneven));
}

TEST(EntityTransform, TextComposesTheTransformOntoItsPlacement) {
  Text text;
  text.placement = Eigen::Translation3d(1, 2, 0);
  const Eigen::Affine3d turn(Eigen::AngleAxisd(kPi / 2, Eigen::Vector3d::UnitX()));
  const auto moved = std::get<Text>(transformed(text, turn));
  // The baseline still runs along X; the text's up direction is now world Z.
  EXPECT_TRUE(vectorNear(moved.placement * Eigen::Vector3d(0, 0, 0), {1, 0, 2}));
  EXPECT_TRUE(vectorNear(moved.placement.linear() * Eigen::Vector3d(0, 1, 0), {0, 0, 1}));
}

}  // namespace
}  // namespace host::model
