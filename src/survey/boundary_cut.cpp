#include "survey/boundary_cut.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace survey {
namespace {

// A part goes on to be cut where the surfaces meet and along a grid square's four sides, each
// cut adding a corner at most: it may have this many corners.
constexpr std::size_t kMostCorners = kMaxCorners - 5;

// Whether the segment from p to q passes through the inside of the convex `polygon`: the line
// through them has corners on both sides, as `split` sees them, and the chord it cuts from the
// polygon overlaps the segment. Read from the corners alone, so that a side of no length, where
// a cut went through a corner, changes nothing.
bool passesThrough(const Plan& p, const Plan& q, const PlanPolygon& polygon) {
  const Linear side = leftOf(p, q);
  const double dx = q.x - p.x, dy = q.y - p.y, length2 = dx * dx + dy * dy;
  if (length2 == 0.0) return false;
  // Where the chord's ends lie along the segment: 0 at p, 1 at q.
  double first = HUGE_VAL, last = -HUGE_VAL;
  for (std::size_t i = 0; i < polygon.size; ++i) {
    const Plan& a = polygon.corners[i];
    const Plan& b = polygon.corners[(i + 1) % polygon.size];
    const double fa = side.at(a), fb = side.at(b);
    if ((fa >= 0.0) == (fb >= 0.0)) continue;
    const double t = fa / (fa - fb);
    const Plan crossing{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    const double along = ((crossing.x - p.x) * dx + (crossing.y - p.y) * dy) / length2;
    first = std::min(first, along), last = std::max(last, along);
  }
  return first < 1.0 && last > 0.0;
}

// A point inside a convex polygon: the mean of its corners.
Plan insideOf(const PlanPolygon& polygon) {
  Plan mean{0.0, 0.0};
  for (std::size_t i = 0; i < polygon.size; ++i) {
    mean.x += polygon.corners[i].x, mean.y += polygon.corners[i].y;
  }
  const double count = static_cast<double>(polygon.size);
  return {mean.x / count, mean.y / count};
}

// Halves `polygon` along the diagonal from its first corner, the corners copied without
// rounding, so that a cut of either half leaves room for more corners.
void halve(const PlanPolygon& polygon, PlanPolygon& first, PlanPolygon& second) {
  const std::size_t middle = polygon.size / 2;
  first.size = middle + 1;
  std::copy_n(polygon.corners.begin(), first.size, first.corners.begin());
  second.size = polygon.size - middle + 1;
  std::copy_n(polygon.corners.begin() + static_cast<std::ptrdiff_t>(middle), second.size - 1,
              second.corners.begin());
  second.corners[second.size - 1] = polygon.corners[0];
}

}  // namespace

BoundaryCut::BoundaryCut(const TinSurface& design, const SurfaceLocator& locator,
                         const Plan& origin)
    : crossings_(design, locator), region_(design.boundaries), origin_(origin) {}

void BoundaryCut::cutAcross(const PlanPolygon& piece, std::span<const BoundaryEdge> edges,
                            const PartVisit& visit) const {
  // Parts still to be cut, each by the edges from `next` on: kept here rather than on the call
  // stack, as a ring of thousands of edges may turn within one piece.
  struct Part {
    PlanPolygon polygon;
    std::size_t next;
  };
  std::vector<Part> parts{{piece, 0}};
  while (!parts.empty()) {
    const Part part = parts.back();
    parts.pop_back();
    bool cut = false;
    for (std::size_t k = part.next; k < edges.size() && !cut; ++k) {
      const Plan p{edges[k].x0 - origin_.x, edges[k].y0 - origin_.y};
      const Plan q{edges[k].x1 - origin_.x, edges[k].y1 - origin_.y};
      if (!passesThrough(p, q, part.polygon)) continue;
      PlanPolygon left, right;
      if (part.polygon.size >= kMostCorners) {
        halve(part.polygon, left, right);
        parts.push_back({left, k});
        parts.push_back({right, k});
        cut = true;
      } else if (split(part.polygon, leftOf(p, q), left, &right) == Cut::Across) {
        if (left.size > 0) parts.push_back({left, k + 1});
        if (right.size > 0) parts.push_back({right, k + 1});
        cut = true;
      }
    }
    if (cut) continue;
    // No edge passes through the part: it lies wholly within the boundaries or beyond them.
    const Plan inside = insideOf(part.polygon);
    if (region_.contains(inside.x + origin_.x, inside.y + origin_.y)) visit(part.polygon);
  }
}

}  // namespace survey
