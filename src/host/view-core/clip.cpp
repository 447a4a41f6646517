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

std::vector<Eigen::Vector2d> clipPolygon(const std::vector<Eigen::Vector2d>& points,
                                         const Eigen::AlignedBox2d& box) {
  std::vector<Eigen::Vector2d> kept = points;
  // Clipped against one side of the box after the other: `axis` 0 for X, 1 for Y; `bound` the
  // side's coordinate; `below` whether inside is below it.
  const auto clipSide = [&kept](int axis, double bound, bool below) {
    const auto inside = [&](const Eigen::Vector2d& p) {
      return below ? p[axis] <= bound : p[axis] >= bound;
    };
    std::vector<Eigen::Vector2d> out;
    for (std::size_t i = 0; i < kept.size(); ++i) {
      const Eigen::Vector2d& a = kept[i];
      const Eigen::Vector2d& b = kept[(i + 1) % kept.size()];
      if (inside(a)) out.push_back(a);
      if (inside(a) != inside(b)) {
        const double t = (bound - a[axis]) / (b[axis] - a[axis]);
        out.push_back(a + t * (b - a));
      }
    }
    kept = std::move(out);
  };
  for (int axis = 0; axis < 2; ++axis) {
    clipSide(axis, box.min()[axis], false);
    clipSide(axis, box.max()[axis], true);
  }
  return kept;
}

}  // namespace host::view
