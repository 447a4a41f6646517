#include "host/view-core/snap_index.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "host/geom/invalid_input.h"
#include "host/model/memory_ahead.h"
#include "host/view-core/in_parallel.h"
#include "host/view-core/room_to_grow.h"

namespace host::view {
namespace {

using Cell = std::pair<std::uint64_t, std::size_t>;

// Searches wider than this many cells each way fall back to looking at every point.
constexpr std::int64_t kMaxCellReach = 8;
// Fewer cells than this are not worth a thread of their own when sorting.
constexpr std::size_t kCellsPerPart = 200000;
// Fewer points than this fill too little memory to ready it on another core.
constexpr std::size_t kPointsReadiedAhead = 100000;
// Fewer points than this are looked at one by one on one core.
constexpr std::size_t kPointsLookedAtPerPart = 200000;

// Sorts the cells on every core: each part on its own, then the sorted parts merged in pairs.
// The index of a large drawing is built on the first mouse move over it, while the user waits.
void sortOnEveryCore(std::vector<Cell>& cells) {
  const std::size_t parts = partsFor(cells.size(), kCellsPerPart);
  const auto bound = [&](std::size_t part) {
    return cells.begin() +
           static_cast<std::ptrdiff_t>(cells.size() * std::min(part, parts) / parts);
  };
  inParallel(parts, [&](std::size_t part) { std::sort(bound(part), bound(part + 1)); });
  for (std::size_t width = 1; width < parts; width *= 2) {
    for (std::size_t part = 0; part + width < parts; part += 2 * width) {
      std::inplace_merge(bound(part), bound(part + width), bound(part + 2 * width));
    }
  }
}

template <class T>
void readyRoom(model::MemoryAhead& room, const std::vector<T>& list, std::size_t more) {
  room.ready(list.data() + list.size(), more * sizeof(T));
}

}  // namespace

SnapIndex::SnapIndex(const std::vector<SnapPoint>& points, const Eigen::Matrix3d& worldToView,
                     double cellSize)
    : worldToView_(worldToView), cellSize_(cellSize) {
  if (!(cellSize > 0.0) || !std::isfinite(cellSize)) {
    throw InvalidInput("the snap grid needs a positive cell size");
  }
  file(points);
  sortOnEveryCore(cells_);
}

void SnapIndex::file(std::span<const SnapPoint> points) {
  makeRoom(viewPoints_, points.size());
  makeRoom(points_, points.size());
  makeRoom(cells_, points.size());
  // Filing a large drawing's points fills fresh memory on this core; others ready it meanwhile.
  std::array<model::MemoryAhead, 3> room;
  if (points.size() >= kPointsReadiedAhead) {
    readyRoom(room[0], viewPoints_, points.size());
    readyRoom(room[1], points_, points.size());
    readyRoom(room[2], cells_, points.size());
  }
  for (const SnapPoint& point : points) {
    // A point without a finite place in the view can be neither found nor filed.
    const Eigen::Vector2d view = (worldToView_ * point.world).head<2>();
    if (!point.world.allFinite() || !view.allFinite()) {
      leftOut_.push_back(offered_++);
      continue;
    }
    ++offered_;
    cells_.emplace_back(key(cellOf(view.x()), cellOf(view.y())), points_.size());
    viewPoints_.push_back(view);
    points_.push_back(point);
  }
}

void SnapIndex::append(std::span<const SnapPoint> points) {
  const auto filed = static_cast<std::ptrdiff_t>(cells_.size());
  file(points);
  // The new cells sorted, then merged: a few points added to a large drawing cost one pass.
  std::sort(cells_.begin() + filed, cells_.end());
  std::inplace_merge(cells_.begin(), cells_.begin() + filed, cells_.end());
}

void SnapIndex::truncate(std::size_t offered) {
  if (offered >= offered_) return;
  const auto leftOutBefore = std::ranges::lower_bound(leftOut_, offered);
  const std::size_t kept = offered - static_cast<std::size_t>(leftOutBefore - leftOut_.begin());
  leftOut_.erase(leftOutBefore, leftOut_.end());
  offered_ = offered;
  points_.resize(kept);
  viewPoints_.resize(kept);
  std::erase_if(cells_, [kept](const Cell& cell) { return cell.second >= kept; });
}

std::int64_t SnapIndex::cellOf(double coordinate) const {
  const double cell = std::floor(coordinate / cellSize_);
  // Far-away points share the outermost cells rather than overflowing the key.
  constexpr double kLimit = 1e15;
  if (std::isnan(cell)) return 0;
  return static_cast<std::int64_t>(std::clamp(cell, -kLimit, kLimit));
}

std::uint64_t SnapIndex::key(std::int64_t column, std::int64_t row) {
  return static_cast<std::uint64_t>(column) * 0x9E3779B97F4A7C15ull ^
         static_cast<std::uint64_t>(row);
}

std::optional<SnapPoint> SnapIndex::nearest(const Eigen::Vector2d& view, double radius) const {
  std::optional<std::size_t> best;
  double bestDistance = std::numeric_limits<double>::infinity();
  auto consider = [&](std::size_t i) {
    const double distance = (viewPoints_[i] - view).norm();
    if (distance <= radius && distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  };
  // Compared before converting, so that no radius can overflow the count of cells.
  const double cellsAcross = std::ceil(radius / cellSize_);
  if (!(cellsAcross <= double(kMaxCellReach)) || !view.allFinite()) {
    for (std::size_t i = 0; i < viewPoints_.size(); ++i) consider(i);
  } else {
    const auto reach = static_cast<std::int64_t>(cellsAcross);
    const std::int64_t column = cellOf(view.x());
    const std::int64_t row = cellOf(view.y());
    for (std::int64_t c = column - reach; c <= column + reach; ++c) {
      for (std::int64_t r = row - reach; r <= row + reach; ++r) {
        const std::uint64_t cell = key(c, r);
        auto at = std::ranges::lower_bound(cells_, cell, {}, &Cell::first);
        for (; at != cells_.end() && at->first == cell; ++at) consider(at->second);
      }
    }
  }
  if (!best) return std::nullopt;
  return points_[*best];
}

std::optional<SnapPoint> nearestAmong(std::span<const SnapPoint> points,
                                      const Eigen::Matrix3d& worldToView,
                                      const Eigen::Vector2d& view, double radius) {
  // A click waits for this: only the two rows that place a point in the view are used, squared
  // distances are compared, and the points are looked at in parts on every core.
  const Eigen::Vector3d across = worldToView.row(0);
  const Eigen::Vector3d up = worldToView.row(1);
  const double reach = radius * radius;
  struct Best {
    const SnapPoint* point = nullptr;
    double distance = std::numeric_limits<double>::infinity();
  };
  const std::size_t parts = partsFor(points.size(), kPointsLookedAtPerPart);
  std::vector<Best> best(parts);
  inParallel(parts, [&](std::size_t part) {
    const std::size_t end = points.size() * (part + 1) / parts;
    for (std::size_t i = points.size() * part / parts; i < end; ++i) {
      const Eigen::Vector3d& world = points[i].world;
      const double x = across.dot(world) - view.x();
      const double y = up.dot(world) - view.y();
      const double distance = x * x + y * y;
      if (distance <= reach && distance < best[part].distance && world.allFinite()) {
        best[part] = {&points[i], distance};
      }
    }
  });
  // The first of equally near points wins, as when looking at them in order.
  const auto nearest = std::ranges::min_element(best, {}, &Best::distance);
  if (nearest == best.end() || !nearest->point) return std::nullopt;
  return *nearest->point;
}

}  // namespace host::view
