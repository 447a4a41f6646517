#include "host/view-core/clip.h"

#include <algorithm>

namespace host::view {

bool clipSegment(Eigen::Vector2d& a, Eigen::Vector2d& b, const Eigen::AlignedBox2d& box) {
  const Eigen::Vector2d d = b - a;
  double enter = 0.0;
  double leave = 1.0;
  // Each side of the box as "p t <= q": p the rate the segment moves outwards, q the room left.
  const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
  const double q[4] = {a.x() - box.min().x(), box.max().x() - a.x(), a.y() - box.min().y(),
                       box.max().y() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;  // parallel to this side and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    if (enter > leave) return false;
  }
  const Eigen::Vector2d start = a + enter * d;
  b = a + leave * d;
  a = start;
  return true;
}

std::vector<std::vector<Eigen::Vector2d>> clipPolyline(const std::vector<Eigen::Vector2d>& points,
                                                       bool closed,
                                                       const Eigen::AlignedBox2d& box) {
  std::vector<std::vector<Eigen::Vector2d>> parts;
  const std::size_t count = points.size();
  const std::size_t segments = closed ? count : (count == 0 ? 0 : count - 1);
  for (std::size_t i = 0; i < segments; ++i) {
    Eigen::Vector2d a = points[i];
    Eigen::Vector2d b = points[(i + 1) % count];
    if (!clipSegment(a, b, box)) continue;
    // A piece that starts where the last one ended continues it.
    if (!parts.empty() && parts.back().back() == a) {
      parts.back().push_back(b);
    } else {
      parts.push_back({a, b});
    }
  }
  return parts;
}

}  // namespace host::view
