#include <cmath>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "host/geom/ellipse.h"
#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"
#include "host/geom/vector_near.h"

namespace host::geom {
namespace {

struct EllipseCase {
  std::string name;
  Eigen::Affine3d transform;
};

void PrintTo(const EllipseCase& c, std::ostream* os) {
  *os << c.name;
}

Eigen::Affine3d shear() {
  Eigen::Affine3d t = Eigen::Affine3d::Identity();
  t.linear()(0, 1) = 0.7;
  t.translation() = Eigen::Vector3d(3, -2, 1);
  return t;
}

class EllipseTransform : public testing::TestWithParam<EllipseCase> {
 protected:
  // A tilted arc that is neither a circle nor axis-aligned.
  static EllipseArc arc() {
    EllipseArc e;
    e.centre = {1, 2, 3};
    e.normal = Eigen::Vector3d(0.2, -0.3, 1).normalized();
    e.majorAxis = 4.0 * e.normal.cross(Eigen::Vector3d(1, 1, 0)).normalized();
    e.ratio = 0.4;
    e.startParameter = 0.3;
    e.endParameter = 2.5;
    return e;
  }
};

TEST_P(EllipseTransform, ImageIsExactlyTheMappedCurve) {
  const EllipseArc original = arc();
  const Eigen::Affine3d& t = GetParam().transform;
  const EllipseArc image = transformed(original, t);

  ASSERT_GT(image.ratio, 0.0);
  ASSERT_LE(image.ratio, 1.0);
  EXPECT_NEAR(image.majorAxis.dot(image.minorAxis()), 0.0, 1e-9);
  // Both ends and every point between lie where the transformation puts them.
  EXPECT_TRUE(vectorNear(image.pointAt(image.startParameter),
                         t * original.pointAt(original.startParameter)));
  EXPECT_TRUE(
      vectorNear(image.pointAt(image.endParameter), t * original.pointAt(original.endParameter)));
  for (int i = 0; i <= 8; ++i) {
    const double s = i / 8.0;
    const double before =
        original.startParameter + s * (original.endParameter - original.startParameter);
    const double after = image.startParameter + s * (image.endParameter - image.startParameter);
    EXPECT_TRUE(vectorNear(image.pointAt(after), t * original.pointAt(before)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Transforms, EllipseTransform,
    testing::Values(EllipseCase{"Move", Eigen::Affine3d(Eigen::Translation3d(5, -6, 7))},
                    EllipseCase{"Turn", Eigen::Affine3d(Eigen::AngleAxisd(
                                            1.1, Eigen::Vector3d(1, 2, -1).normalized()))},
                    EllipseCase{"EvenScale", Eigen::Affine3d(Eigen::Scaling(2.5))},
                    // Stretching across the major axis makes the minor axis the longer one.
                    EllipseCase{"UnevenScale", Eigen::Affine3d(Eigen::Scaling(1.0, 6.0, 0.5))},
                    EllipseCase{"Shear", shear()},
                    EllipseCase{"Mirror", Eigen::Affine3d(Eigen::Scaling(-1.0, 1.0, 1.0))}),
    [](const auto& info) { return info.param.name; });

TEST(EllipseTransformFull, StaysAFullEllipseAndACircleStaysRound) {
  EllipseArc circle;
  circle.majorAxis = {2, 0, 0};
  const EllipseArc turned =
      transformed(circle, Eigen::Affine3d(Eigen::AngleAxisd(0.5, Eigen::Vector3d::UnitX())));
  EXPECT_TRUE(turned.isFull());
  EXPECT_NEAR(turned.ratio, 1.0, 1e-12);
  EXPECT_NEAR(turned.majorAxis.norm(), 2.0, 1e-12);
  const EllipseArc squashed = transformed(circle, Eigen::Affine3d(Eigen::Scaling(1.0, 0.25, 1.0)));
  EXPECT_NEAR(squashed.ratio, 0.25, 1e-12);
  EXPECT_TRUE(vectorNear(squashed.majorAxis.cwiseAbs(), {2, 0, 0}));
}

TEST(CircularArc, PassesThroughThePointsAtItsAnglesInTheObjectCoordinateSystem) {
  const Eigen::Vector3d centre(4, -1, 2);
  const Eigen::Vector3d normal = Eigen::Vector3d(0.3, 0.6, -1).normalized();
  const Frame ocs = objectCoordinateSystem(normal);
  const auto onCircle = [&](double angle) -> Eigen::Vector3d {
    return centre + 1.5 * ocs.vectorToWorld({std::cos(angle), std::sin(angle), 0});
  };
  // The end angle is below the start: the arc goes on through zero to reach it.
  const EllipseArc arc = circularArc(centre, 1.5, 3.0 * normal, 5.5, 0.5);
  EXPECT_TRUE(vectorNear(arc.normal, normal));
  EXPECT_DOUBLE_EQ(arc.ratio, 1.0);
  EXPECT_NEAR(arc.endParameter - arc.startParameter, 0.5 + 2.0 * std::numbers::pi - 5.5, 1e-12);
  EXPECT_TRUE(vectorNear(arc.pointAt(arc.startParameter), onCircle(5.5)));
  EXPECT_TRUE(vectorNear(arc.pointAt(arc.endParameter), onCircle(0.5)));
  EXPECT_TRUE(vectorNear(arc.pointAt(arc.startParameter + 0.1), onCircle(5.6)));

  const EllipseArc circle = circularArc(centre, 1.5, normal, 0.0, 2.0 * std::numbers::pi);
  EXPECT_TRUE(circle.isFull());
  // Equal angles make a whole turn, not an empty arc.
  EXPECT_TRUE(circularArc(centre, 1.5, normal, 1.0, 1.0).isFull());
}

TEST(EllipseArc, NormalOfAnyLengthGivesTheSameMinorAxis) {
  EllipseArc ellipse;
  ellipse.majorAxis = {2, 0, 0};
  ellipse.ratio = 0.5;
  ellipse.normal = {0, 0, 3};
  EXPECT_TRUE(vectorNear(ellipse.pointAt(std::numbers::pi / 2), {0, 1, 0}));
}

TEST(ValidatedEllipse, RefusesDegenerateShapes) {
  EllipseArc good;
  good.majorAxis = {1, 0, 0};
  good.ratio = 1.0;
  EXPECT_NO_THROW(validatedEllipse(good));
  for (double ratio : {0.0, -0.5, 1.0000001, std::nan("")}) {
    EllipseArc bad = good;
    bad.ratio = ratio;
    EXPECT_THROW(validatedEllipse(bad), InvalidInput) << ratio;
  }
  EllipseArc zeroAxis = good;
  zeroAxis.majorAxis = {0, 0, 0};
  EXPECT_THROW(validatedEllipse(zeroAxis), InvalidInput);
  EllipseArc axisAlongNormal = good;
  axisAlongNormal.majorAxis = {0, 0, 1};
  EXPECT_THROW(validatedEllipse(axisAlongNormal), InvalidInput);
}

}  // namespace
}  // namespace host::geom
