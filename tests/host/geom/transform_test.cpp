#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"
#include "host/geom/transform.h"
#include "host/geom/vector_near.h"

namespace host::geom {
namespace {

constexpr double kQuarter = std::numbers::pi / 2;

TEST(RotationAbout, QuarterTurnAboutXTakesYToZ) {
  const auto turn = rotationAbout({0, 0, 0}, {1, 0, 0}, kQuarter);
  EXPECT_TRUE(vectorNear(turn * Eigen::Vector3d(0, 1, 0), {0, 0, 1}));
  EXPECT_TRUE(vectorNear(turn * Eigen::Vector3d(0, 0, 1), {0, -1, 0}));
}

TEST(RotationAbout, AxisDirectionSetsTheSenseAndItsPointsStayPut) {
  // Reversing the axis reverses the turn; points on the axis do not move.
  const auto forward = rotationAbout({5, 5, 0}, {5, 5, 2}, kQuarter);
  const auto backward = rotationAbout({5, 5, 2}, {5, 5, 0}, kQuarter);
  EXPECT_TRUE(vectorNear(forward * Eigen::Vector3d(6, 5, 0), {5, 6, 0}));
  EXPECT_TRUE(vectorNear(backward * Eigen::Vector3d(6, 5, 0), {5, 4, 0}));
  EXPECT_TRUE(vectorNear(forward * Eigen::Vector3d(5, 5, 7), {5, 5, 7}));
}

TEST(RotationAbout, RefusesAZeroAxisAndNonFiniteValues) {
  EXPECT_THROW(rotationAbout({1, 2, 3}, {1, 2, 3}, 1.0), InvalidInput);
  EXPECT_THROW(rotationAbout({0, 0, 0}, {1, 0, 0}, std::numeric_limits<double>::quiet_NaN()),
               InvalidInput);
  EXPECT_THROW(rotationAbout({0, 0, 0}, {std::numeric_limits<double>::infinity(), 0, 0}, 1.0),
               InvalidInput);
}

TEST(AffineFromMatrix, AcceptsRegularMatricesEvenWhenTiny) {
  Eigen::Matrix4d m = Eigen::Matrix4d::Identity();
  m.topLeftCorner<3, 3>() *= 1e-6;
  m(0, 3) = 4;
  const auto t = affineFromMatrix(m);
  EXPECT_TRUE(vectorNear(t * Eigen::Vector3d(1e6, 0, 0), {5, 0, 0}));
  // Scales whose cube overflows or underflows are still regular.
  for (const double scale : {1e-200, 1e200}) {
    Eigen::Matrix4d scaled = Eigen::Matrix4d::Identity();
    scaled.topLeftCorner<3, 3>() *= scale;
    EXPECT_NO_THROW(affineFromMatrix(scaled)) << scale;
  }
}

TEST(AffineFromMatrix, RefusesSingularProjectiveAndNonFiniteMatrices) {
  Eigen::Matrix4d flat = Eigen::Matrix4d::Identity();
  flat(2, 2) = 0;
  EXPECT_THROW(affineFromMatrix(flat), InvalidInput);
  Eigen::Matrix4d dependent = Eigen::Matrix4d::Identity();
  dependent.col(1) = dependent.col(0);
  EXPECT_THROW(affineFromMatrix(dependent), InvalidInput);
  Eigen::Matrix4d projective = Eigen::Matrix4d::Identity();
  projective(3, 0) = 0.5;
  EXPECT_THROW(affineFromMatrix(projective), InvalidInput);
  Eigen::Matrix4d notFinite = Eigen::Matrix4d::Identity();
  notFinite(1, 3) = std::numeric_limits<double>::infinity();
  EXPECT_THROW(affineFromMatrix(notFinite), InvalidInput);
  EXPECT_THROW(affineFromMatrix(Eigen::Matrix4d::Zero()), InvalidInput);
}

TEST(TransformNormal, FollowsTheMappedPlaneUnderShearAndMirror) {
  Eigen::Affine3d shear = Eigen::Affine3d::Identity();
  shear.linear()(2, 0) = 1;  // z += x: the XY plane tilts
  EXPECT_TRUE(
      vectorNear(transformNormal(shear, {0, 0, 1}), Eigen::Vector3d(-1, 0, 1).normalized()));
  // Mirroring in X: the mapped X axis is -X, Y stays, so X x Y of the images is -Z.
  const Eigen::Affine3d mirror(Eigen::Scaling(-1.0, 1.0, 1.0));
  EXPECT_TRUE(vectorNear(transformNormal(mirror, {0, 0, 1}), {0, 0, -1}));
}

TEST(IsSimilarity, TellsEvenFromUnevenScales) {
  EXPECT_TRUE(isSimilarity(Eigen::Affine3d(
      Eigen::AngleAxisd(0.3, Eigen::Vector3d(1, 2, 3).normalized()) * Eigen::Scaling(2.5))));
  EXPECT_TRUE(isSimilarity(Eigen::Affine3d(Eigen::Scaling(-3.0, 3.0, 3.0))));
  EXPECT_FALSE(isSimilarity(Eigen::Affine3d(Eigen::Scaling(1.0, 1.0, 1.001))));
}

TEST(ObjectCoordinateSystem, FollowsTheArbitraryAxisRule) {
  EXPECT_TRUE(vectorNear(objectCoordinateSystem({0, 0, 1}).xAxis(), {1, 0, 0}));
  EXPECT_TRUE(vectorNear(objectCoordinateSystem({0, 0, -1}).xAxis(), {-1, 0, 0}));
  // Beyond 1/64 from world Z the X axis is world Z x N.
  EXPECT_TRUE(vectorNear(objectCoordinateSystem({1, 0, 0}).xAxis(), {0, 1, 0}));
  EXPECT_TRUE(vectorNear(objectCoordinateSystem({0, 0, 3}).zAxis(), {0, 0, 1}));
  EXPECT_THROW(objectCoordinateSystem({0, 0, 0}), InvalidInput);
}

}  // namespace
}  // namespace host::geom
