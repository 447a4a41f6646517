#include "survey/boundary_region.h"

#include <algorithm>
#include <cmath>

namespace survey {

BoundaryRegion::BoundaryRegion(const std::vector<SurfaceBoundary>& boundaries) {
  for (const SurfaceBoundary& boundary : boundaries) {
    if (boundary.points.size() < 3) continue;
    rings_.push_back(ringOf(boundary));
    hasOuter_ = hasOuter_ || boundary.kind == SurfaceBoundary::Kind::Outer;
  }
}

BoundaryRegion::Ring BoundaryRegion::ringOf(const SurfaceBoundary& boundary) {
  Ring ring{boundary.kind, boundary.points, HUGE_VAL, HUGE_VAL, -HUGE_VAL, -HUGE_VAL, 1.0, {}, {}};
  for (const SurfacePoint& p : ring.points) {
    ring.minX = std::min(ring.minX, p.x), ring.maxX = std::max(ring.maxX, p.x);
    ring.minY = std::min(ring.minY, p.y), ring.maxY = std::max(ring.maxY, p.y);
  }
  const std::size_t count = ring.points.size();
  const double height = ring.maxY - ring.minY;
  if (height > 0.0) ring.bandHeight = height / static_cast<double>(count);
  const auto band = [&](double y) {
    return static_cast<std::size_t>(
        std::clamp(std::floor((y - ring.minY) / ring.bandHeight), 0.0, double(count - 1)));
  };
  // Two passes: count the edges of each band, then list them in one array.
  const auto eachBand = [&](std::size_t edge, auto visit) {
    const double y0 = ring.points[edge].y, y1 = ring.points[(edge + 1) % count].y;
    for (std::size_t b = band(std::min(y0, y1)); b <= band(std::max(y0, y1)); ++b) visit(b);
  };
  ring.bandStart.assign(count + 1, 0);
  for (std::size_t e = 0; e < count; ++e)
    eachBand(e, [&](std::size_t b) { ++ring.bandStart[b + 1]; });
  for (std::size_t b = 0; b < count; ++b) ring.bandStart[b + 1] += ring.bandStart[b];
  ring.edges.resize(ring.bandStart.back());
  std::vector<std::uint32_t> filled(ring.bandStart.begin(), ring.bandStart.end() - 1);
  for (std::size_t e = 0; e < count; ++e) {
    eachBand(e, [&](std::size_t b) { ring.edges[filled[b]++] = static_cast<std::uint32_t>(e); });
  }
  return ring;
}

// Whether a ray from (x, y) towards +x crosses the ring an odd number of times.
bool BoundaryRegion::Ring::holds(double x, double y) const {
  if (x < minX || x > maxX || y < minY || y > maxY) return false;
  const std::size_t count = points.size();
  const auto b = static_cast<std::size_t>(
      std::clamp(std::floor((y - minY) / bandHeight), 0.0, double(count - 1)));
  bool inside = false;
  for (std::uint32_t k = bandStart[b]; k < bandStart[b + 1]; ++k) {
    const SurfacePoint& p = points[edges[k]];
    const SurfacePoint& q = points[(edges[k] + 1) % count];
    if ((p.y > y) == (q.y > y)) continue;
    const double crossX = p.x + (y - p.y) / (q.y - p.y) * (q.x - p.x);
    if (crossX > x) inside = !inside;
  }
  return inside;
}

bool BoundaryRegion::contains(double x, double y) const {
  if (rings_.empty()) return true;
  bool inOuter = !hasOuter_, inVoid = false, inIsland = false;
  for (const Ring& ring : rings_) {
    if (!ring.holds(x, y)) continue;
    switch (ring.kind) {
      case SurfaceBoundary::Kind::Outer:
        inOuter = true;
        break;
      case SurfaceBoundary::Kind::Void:
        inVoid = true;
        break;
      case SurfaceBoundary::Kind::Island:
        inIsland = true;
        break;
    }
  }
  return inOuter && (!inVoid || inIsland);
}

}  // namespace survey
