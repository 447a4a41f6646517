#include "survey/line_crossing.h"

#include "numbers/number_format.h"

namespace survey {
namespace {

double cross(const SurfacePoint& o, const SurfacePoint& a, const SurfacePoint& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Where segments ab and cd cross inside both, if they do.
std::optional<SurfacePoint> crossing(const SurfacePoint& a, const SurfacePoint& b,
                                     const SurfacePoint& c, const SurfacePoint& d) {
  const double d1 = cross(c, d, a), d2 = cross(c, d, b);
  const double d3 = cross(a, b, c), d4 = cross(a, b, d);
  if (!((d1 > 0.0 && d2 < 0.0) || (d1 < 0.0 && d2 > 0.0))) return std::nullopt;
  if (!((d3 > 0.0 && d4 < 0.0) || (d3 < 0.0 && d4 > 0.0))) return std::nullopt;
  const double t = d1 / (d1 - d2);
  return SurfacePoint{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), 0.0};
}

}  // namespace

std::optional<SurfacePoint> selfCrossing(const std::vector<SurfacePoint>& points, bool closed) {
  const std::size_t segments = points.size() < 2 ? 0 : points.size() - (closed ? 0 : 1);
  const auto end = [&](std::size_t i) { return points[(i + 1) % points.size()]; };
  for (std::size_t i = 0; i < segments; ++i) {
    for (std::size_t j = i + 2; j < segments; ++j) {
      if (closed && i == 0 && j + 1 == segments) continue;  // the closing segment meets the first
      if (auto at = crossing(points[i], end(i), points[j], end(j))) return at;
    }
  }
  return std::nullopt;
}

std::string planText(const SurfacePoint& point) {
  return "(" + numbers::formatWithDP(point.x, "###0.000", ".") + ", " +
         numbers::formatWithDP(point.y, "###0.000", ".") + ")";
}

}  // namespace survey
