#include <cmath>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "host/geom/frame.h"
#include "host/geom/invalid_input.h"
#include "host/geom/vector_near.h"

namespace host::geom {
namespace {

Eigen::Vector3d randomVector(std::mt19937& random, double range) {
  std::uniform_real_distribution<double> coordinate(-range, range);
  return {coordinate(random), coordinate(random), coordinate(random)};
}

TEST(Frame, PointsAndVectorsSurviveTheRoundTripForRandomFrames) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 200; ++i) {
    const Frame frame = Frame::fromDirections(randomVector(random, 1e4), randomVector(random, 1),
                                              randomVector(random, 1));
    const Eigen::Vector3d p = randomVector(random, 1e3);
    EXPECT_TRUE(vectorNear(frame.pointToLocal(frame.pointToWorld(p)), p, 1e-8));
    EXPECT_TRUE(vectorNear(frame.pointToWorld(frame.pointToLocal(p)), p, 1e-8));
    EXPECT_TRUE(vectorNear(frame.vectorToLocal(frame.vectorToWorld(p)), p, 1e-9));
    // The matrix does what pointToWorld does.
    const Eigen::Vector4d viaMatrix = frame.matrix() * p.homogeneous();
    EXPECT_TRUE(vectorNear(viaMatrix.head<3>(), frame.pointToWorld(p), 1e-8));
  }
}

TEST(Frame, AxesAreOrthonormalAndRightHanded) {
  const Frame frame = Frame::fromPoints({1, 2, 3}, {3, 2, 3}, {2, 5, 7});
  EXPECT_TRUE(vectorNear(frame.xAxis(), {1, 0, 0}));
  // Y is orthogonalised against X: only the part of (1, 3, 4) across X is kept.
  EXPECT_TRUE(vectorNear(frame.yAxis(), {0, 0.6, 0.8}));
  EXPECT_TRUE(vectorNear(frame.zAxis(), {0, -0.8, 0.6}));
  EXPECT_TRUE(vectorNear(frame.pointToLocal({1, 2, 3}), {0, 0, 0}));
}

TEST(Frame, UcsTurnedAboutZMapsItsXToWorldY) {
  const Frame frame = Frame::fromDirections({10, 0, 0}, {0, 1, 0}, {-1, 0, 0});
  EXPECT_TRUE(vectorNear(frame.pointToWorld({1, 0, 0}), {10, 1, 0}));
  EXPECT_TRUE(vectorNear(frame.pointToWorld({0, 1, 0}), {9, 0, 0}));
  EXPECT_TRUE(vectorNear(frame.pointToWorld({0, 0, 1}), {10, 0, 1}));
}

struct RefusedFrame {
  std::string name;
  Eigen::Vector3d origin, xDirection, yDirection;
  std::string reason;
};

void PrintTo(const RefusedFrame& c, std::ostream* os) {
  *os << c.name;
}

class FrameRefusal : public testing::TestWithParam<RefusedFrame> {};

TEST_P(FrameRefusal, FailsWithAReason) {
  const RefusedFrame& c = GetParam();
  try {
    Frame::fromDirections(c.origin, c.xDirection, c.yDirection);
    FAIL() << "accepted";
  } catch (const InvalidInput& refused) {
    EXPECT_NE(std::string(refused.what()).find(c.reason), std::string::npos) << refused.what();
  }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Degenerate, FrameRefusal,
    testing::Values(
        RefusedFrame{"zero X", {0, 0, 0}, {0, 0, 0}, {0, 1, 0}, "X axis must not have zero length"},
        RefusedFrame{"zero Y", {0, 0, 0}, {1, 0, 0}, {0, 0, 0}, "Y axis must not have zero length"},
        RefusedFrame{"parallel", {0, 0, 0}, {1, 1, 0}, {-2, -2, 0}, "must not be parallel"},
        RefusedFrame{"nearly parallel", {0, 0, 0}, {1, 0, 0}, {1, 1e-9, 0}, "must not be parallel"},
        RefusedFrame{"NaN origin", {kNaN, 0, 0}, {1, 0, 0}, {0, 1, 0}, "origin must have finite"},
        RefusedFrame{
            "infinite axis", {0, 0, 0}, {kInf, 0, 0}, {0, 1, 0}, "X axis must have finite"}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

}  // namespace
}  // namespace host::geom
