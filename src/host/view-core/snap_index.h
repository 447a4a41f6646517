#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <Eigen/Geometry>

#include "host/view-core/snap_points.h"

namespace host::view {

// Snap points sorted into a uniform grid in view coordinates, so that finding the one under the
// cursor looks at a few cells instead of every point of a large drawing. The cell size is best
// about the search radius; the owner rebuilds the index when the orientation or the drawing
// changes, or when zooming makes the radius very different from the cell.
class SnapIndex {
 public:
  SnapIndex() = default;
  // Points without a finite place in the view are left out.
  SnapIndex(const std::vector<SnapPoint>& points, const Eigen::Matrix3d& worldToView,
            double cellSize);

  // Files more points after those offered so far, as if they had been offered at the start.
  void append(std::span<const SnapPoint> points);
  // Forgets the points offered from the `offered`th on, as if they had never been offered.
  void truncate(std::size_t offered);

  // The snap point nearest to `view` within `radius` (view units), if any.
  std::optional<SnapPoint> nearest(const Eigen::Vector2d& view, double radius) const;

  double cellSize() const { return cellSize_; }
  std::size_t size() const { return points_.size(); }

 private:
  Eigen::Matrix3d worldToView_ = Eigen::Matrix3d::Identity();
  std::vector<SnapPoint> points_;
  // How many points were offered, and which of them were left out (ascending).
  std::size_t offered_ = 0;
  std::vector<std::size_t> leftOut_;
  std::vector<Eigen::Vector2d> viewPoints_;
  double cellSize_ = 1.0;
  // (cell key, point index), sorted by key: a cell's points are one run found by binary search.
  std::vector<std::pair<std::uint64_t, std::size_t>> cells_;

  // Files the points, keeping the ones with a finite place in the view, unsorted.
  void file(std::span<const SnapPoint> points);
  std::int64_t cellOf(double coordinate) const;
  static std::uint64_t key(std::int64_t column, std::int64_t row);
};

// The point of `points` nearest to `view` within `radius` (view units), found by looking at
// every one: the answer of an index, for when none is ready yet.
std::optional<SnapPoint> nearestAmong(std::span<const SnapPoint> points,
                                      const Eigen::Matrix3d& worldToView,
                                      const Eigen::Vector2d& view, double radius);

}  // namespace host::view
