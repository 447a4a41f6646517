#include "survey/boundary_crossings.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "survey/boundary_region.h"

namespace survey {

bool passesThrough(const BoundaryEdge& edge, const TinSurface& surface, std::size_t face) {
  // From the face's first corner, so that large coordinates keep their digits.
  const SurfacePoint& origin = surface.points[surface.faces[face][0]];
  std::array<std::array<double, 2>, 3> corner{};
  for (std::size_t k = 0; k < 3; ++k) {
    const SurfacePoint& p = surface.points[surface.faces[face][k]];
    corner[k] = {p.x - origin.x, p.y - origin.y};
  }
  const double turn = corner[1][0] * corner[2][1] - corner[1][1] * corner[2][0];
  if (turn == 0.0) return false;
  const double px = edge.x0 - origin.x, py = edge.y0 - origin.y;
  const double qx = edge.x1 - origin.x, qy = edge.y1 - origin.y;
  // The part of the segment, from `low` to `high` along it, on the inner side of every side.
  double low = 0.0, high = 1.0;
  for (std::size_t k = 0; k < 3; ++k) {
    const auto& u = corner[k];
    const auto& v = corner[(k + 1) % 3];
    const auto inward = [&](double x, double y) {
      const double cross = (v[0] - u[0]) * (y - u[1]) - (v[1] - u[1]) * (x - u[0]);
      return turn > 0.0 ? cross : -cross;
    };
    const double fp = inward(px, py), fq = inward(qx, qy);
    if (fp <= 0.0 && fq <= 0.0) return false;
    if (fp < 0.0) low = std::max(low, fp / (fp - fq));
    if (fq < 0.0) high = std::min(high, fp / (fp - fq));
  }
  return low < high;
}

BoundaryCrossings::BoundaryCrossings(const TinSurface& surface, const SurfaceLocator& locator) {
  if (surface.boundaries.empty()) return;
  const std::size_t faceCount = surface.faces.size();
  // Each edge with the faces it passes through, edge by edge.
  std::vector<BoundaryEdge> edges;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> crossings;  // face, edge
  std::vector<std::uint32_t> seenBy(faceCount, std::numeric_limits<std::uint32_t>::max());
  for (const SurfaceBoundary& boundary : surface.boundaries) {
    if (boundary.points.size() < 3) continue;  // not a region: BoundaryRegion leaves it out too
    for (std::size_t k = 0; k < boundary.points.size(); ++k) {
      const SurfacePoint& p = boundary.points[k];
      const SurfacePoint& q = boundary.points[(k + 1) % boundary.points.size()];
      const BoundaryEdge edge{p.x, p.y, q.x, q.y};
      const auto index = static_cast<std::uint32_t>(edges.size());
      edges.push_back(edge);
      locator.forFacesNear(std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x),
                           std::max(p.y, q.y), [&](std::size_t face) {
                             if (seenBy[face] == index) return;
                             seenBy[face] = index;
                             if (passesThrough(edge, surface, face)) {
                               crossings.emplace_back(static_cast<std::uint32_t>(face), index);
                             }
                           });
    }
  }
  // Two passes: count the edges of each face, then list them in one array.
  start_.assign(faceCount + 1, 0);
  for (const auto& [face, edge] : crossings) ++start_[face + 1];
  for (std::size_t f = 0; f < faceCount; ++f) start_[f + 1] += start_[f];
  edges_.resize(crossings.size());
  std::vector<std::uint32_t> filled(start_.begin(), start_.end() - 1);
  for (const auto& [face, edge] : crossings) edges_[filled[face]++] = edges[edge];
  // A face no edge passes through lies wholly on the side its centre lies on.
  const BoundaryRegion region(surface.boundaries);
  sides_.resize(faceCount);
  for (std::size_t f = 0; f < faceCount; ++f) {
    if (start_[f + 1] > start_[f]) {
      sides_[f] = Side::Across;
      continue;
    }
    double x = 0.0, y = 0.0;
    for (const std::uint32_t corner : surface.faces[f]) {
      x += surface.points[corner].x / 3.0;
      y += surface.points[corner].y / 3.0;
    }
    sides_[f] = region.contains(x, y) ? Side::Within : Side::Beyond;
  }
}

}  // namespace survey
