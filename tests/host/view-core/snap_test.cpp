#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "host/geom/invalid_input.h"
#include "host/geom/vector_near.h"
#include "host/model/document.h"
#include "host/view-core/snap_index.h"
#include "host/view-core/view_projection.h"

namespace host::view {
namespace {

struct IndexCase {
  int points;
  std::vector<double> cells;
  int probes;
};

void PrintTo(const IndexCase& c, std::ostream* os) {
  *os << c.points << " points";
}

class SnapIndexOf : public testing::TestWithParam<IndexCase> {};

// A large index is sorted on every core in parts; small or large, it answers as looking at
// every point does, with cells much smaller than the radius, about equal to it, and larger. So
// does nearestAmong, which a click takes before the index is ready.
TEST_P(SnapIndexOf, FindsTheSameNearestPointAsLookingAtEveryPoint) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> coordinate(-50.0, 50.0);
  std::vector<SnapPoint> points;
  for (int i = 0; i < GetParam().points; ++i) {
    points.push_back({{coordinate(random), coordinate(random), coordinate(random)}});
  }
  const Eigen::Matrix3d orientation = viewOrientation(StandardView::SouthEastIso);
  std::vector<Eigen::Vector2d> inView;
  for (const auto& p : points) inView.push_back((orientation * p.world).head<2>());
  for (const double cell : GetParam().cells) {
    const SnapIndex index(points, orientation, cell);
    for (int probe = 0; probe < GetParam().probes; ++probe) {
      const Eigen::Vector2d at(coordinate(random), coordinate(random));
      const double radius = 2.0;
      std::optional<Eigen::Vector3d> expected;
      double best = radius;
      for (std::size_t i = 0; i < points.size(); ++i) {
        const double d = (inView[i] - at).norm();
        if (d <= best) {
          best = d;
          expected = points[i].world;
        }
      }
      for (const auto& found :
           {index.nearest(at, radius), nearestAmong(points, orientation, at, radius)}) {
        ASSERT_EQ(found.has_value(), expected.has_value()) << "cell " << cell;
        if (found) {
          EXPECT_TRUE(vectorNear(found->world, *expected));
        }
      }
    }
  }
}

// More than 400,000 points are sorted in parts on a machine of two cores or more.
INSTANTIATE_TEST_SUITE_P(SnapIndex, SnapIndexOf,
                         testing::Values(IndexCase{2000, {0.3, 2.0, 40.0}, 200},
                                         IndexCase{450000, {2.0}, 20}),
                         [](const testing::TestParamInfo<IndexCase>& info) {
                           return std::to_string(info.param.points) + "Points";
                         });

TEST(SnapIndex, PointsBeyondTheRadiusAndNegativeCellsAreHandled) {
  const SnapIndex index({{{-0.5, -0.5, 0}}, {{3, 0, 0}}}, Eigen::Matrix3d::Identity(), 1.0);
  ASSERT_TRUE(index.nearest({-0.1, -0.1}, 0.6));  // a neighbour cell across zero
  EXPECT_TRUE(vectorNear(index.nearest({-0.1, -0.1}, 0.6)->world, {-0.5, -0.5, 0}));
  EXPECT_FALSE(index.nearest({1.5, 0}, 1.0));
}

TEST(SnapIndex, LeavesOutPointsWithoutAFinitePlaceInTheView) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double huge = std::numeric_limits<double>::max();
  // The last is finite in the world but overflows when the view turns it.
  const std::vector<SnapPoint> points{{{nan, 0, 0}}, {{0, inf, 0}}, {{1, 1, 0}}, {{huge, huge, 0}}};
  const Eigen::Matrix3d orientation = viewOrientation(StandardView::SouthEastIso);
  const SnapIndex index(points, orientation, 1.0);
  EXPECT_EQ(index.size(), 1u);
  const Eigen::Vector2d at = (orientation * Eigen::Vector3d(1, 1, 0)).head<2>();
  ASSERT_TRUE(index.nearest(at, 0.5));
  EXPECT_TRUE(vectorNear(index.nearest(at, 0.5)->world, {1, 1, 0}));
  ASSERT_TRUE(nearestAmong(points, orientation, at, 1e300));
  EXPECT_TRUE(vectorNear(nearestAmong(points, orientation, at, 1e300)->world, {1, 1, 0}));
  EXPECT_FALSE(nearestAmong(points, orientation, {nan, 0}, 1e300));
  // Nor does a query from nowhere or with a radius of countless cells go wrong.
  EXPECT_FALSE(index.nearest({nan, 0}, 0.5));
  EXPECT_TRUE(index.nearest(at, 1e300));
}

TEST(SnapIndex, RefusesADegenerateCell) {
  EXPECT_THROW(SnapIndex({}, Eigen::Matrix3d::Identity(), 0.0), InvalidInput);
}

TEST(SnapPoints, OfferEndsCentresInsertionsAndPointsInsideNestedInserts) {
  model::Document drawing;
  const auto inner = drawing.addBlock("Inner", {0, 0, 0});
  drawing.addEntity(inner, model::Line{{1, 0, 0}, {2, 0, 0}});
  const auto outer = drawing.addBlock("Outer", {0, 0, 0});
  model::BlockReference nested{inner, Eigen::Affine3d(Eigen::Translation3d(0, 10, 0))};
  drawing.addEntity(outer, nested);
  model::BlockReference placed{outer, Eigen::Affine3d(Eigen::Translation3d(100, 0, 0))};
  drawing.addEntity(model::BlockTable::kModelSpace, placed);
  drawing.addEntity(model::BlockTable::kModelSpace, model::Circle{{5, 5, 0}, 2.0});
  drawing.addEntity(model::BlockTable::kModelSpace, model::Point{{7, 8, 9}});

  const auto points = snapPoints(drawing);
  auto has = [&](const Eigen::Vector3d& world, SnapKind kind) {
    return std::ranges::any_of(points, [&](const SnapPoint& p) {
      return p.kind == kind && (p.world - world).norm() < 1e-12;
    });
  };
  EXPECT_TRUE(has({100, 0, 0}, SnapKind::Insertion));
  EXPECT_TRUE(has({100, 10, 0}, SnapKind::Insertion));
  EXPECT_TRUE(has({101, 10, 0}, SnapKind::Endpoint));
  EXPECT_TRUE(has({102, 10, 0}, SnapKind::Endpoint));
  EXPECT_TRUE(has({5, 5, 0}, SnapKind::Centre));
  EXPECT_TRUE(has({7, 8, 9}, SnapKind::Node));
  EXPECT_EQ(points.size(), 6u);
}

}  // namespace
}  // namespace host::view
