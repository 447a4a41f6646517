#include "check/draw/text_height_proposal.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace check::draw {
namespace {

constexpr double kOfSpacing = 0.1;
constexpr double kLeastOfSize = 1.0 / 2000;
constexpr double kMostOfSize = 1.0 / 50;

// The median distance to the nearest other point at another place; 0 when there is none.
// Sorted along the axis of the larger spread and swept, which for a road or a grid of stakes
// looks at a few neighbours per point.
double medianNearestDistance(std::vector<Eigen::Vector2d> points, int axis) {
  std::ranges::sort(points, [axis](const auto& a, const auto& b) { return a[axis] < b[axis]; });
  std::vector<double> nearest;
  for (std::size_t i = 0; i < points.size(); ++i) {
    double best = std::numeric_limits<double>::infinity();
    const auto look = [&](std::size_t j) {
      if (std::abs(points[j][axis] - points[i][axis]) >= best) return false;
      const double distance = (points[j] - points[i]).norm();
      if (distance > 0) best = std::min(best, distance);
      return true;
    };
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      if (!look(j)) break;
    }
    for (std::size_t j = i; j > 0; --j) {
      if (!look(j - 1)) break;
    }
    if (std::isfinite(best)) nearest.push_back(best);
  }
  if (nearest.empty()) return 0;
  const auto middle = nearest.begin() + static_cast<std::ptrdiff_t>(nearest.size() / 2);
  std::ranges::nth_element(nearest, middle);
  return *middle;
}

}  // namespace

double tidyValue(double value) {
  const double decade = std::pow(10.0, std::floor(std::log10(value)));
  double tidy = decade;
  for (const double step : {2.0, 2.5, 5.0, 10.0}) {
    if (std::abs(std::log(step * decade / value)) < std::abs(std::log(tidy / value))) {
      tidy = step * decade;
    }
  }
  return tidy;
}

double proposedTextHeight(const std::vector<survey::Point>& design,
                          const std::optional<Eigen::AlignedBox2d>& extents) {
  std::vector<Eigen::Vector2d> points;
  Eigen::AlignedBox2d box;
  for (const survey::Point& point : design) {
    if (!std::isfinite(point.x) || !std::isfinite(point.y)) continue;
    points.emplace_back(point.x, point.y);
    box.extend(points.back());
  }
  if (extents && !extents->isEmpty()) box.extend(*extents);
  const double size = box.isEmpty() ? 0.0 : box.sizes().maxCoeff();
  const int axis = box.isEmpty() || box.sizes().x() >= box.sizes().y() ? 0 : 1;
  double height = kOfSpacing * medianNearestDistance(std::move(points), axis);
  if (size > 0) {
    height = height > 0 ? std::clamp(height, kLeastOfSize * size, kMostOfSize * size)
                        : kMostOfSize * size;
  }
  return height > 0 && std::isfinite(height) ? tidyValue(height) : 1.0;
}

}  // namespace check::draw
