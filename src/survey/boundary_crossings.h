#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "survey/surface_locator.h"
#include "survey/tin_surface.h"

namespace survey {

// An edge of a boundary ring in plan, from (x0, y0) to (x1, y1).
struct BoundaryEdge {
  double x0, y0, x1, y1;
};

// Where each face of a surface lies against the surface's boundaries: wholly within them,
// wholly beyond them, or across them, with the boundary edges that pass through its inside.
// Made once for a surface: boundaries of thousands of edges are found near each face through
// the locator's grid, not by reading all of them.
class BoundaryCrossings {
 public:
  enum class Side : std::uint8_t { Within, Beyond, Across };

  // Reads `surface` and `locator` (made for it) while it is made, and keeps neither.
  BoundaryCrossings(const TinSurface& surface, const SurfaceLocator& locator);

  // Without boundaries every face is within them, and nothing is kept per face.
  bool none() const { return sides_.empty(); }
  Side sideOf(std::size_t face) const { return none() ? Side::Within : sides_[face]; }
  // The edges passing through the inside of `face`, in the order of the rings and their points.
  std::span<const BoundaryEdge> edgesAcross(std::size_t face) const {
    if (none()) return {};
    return {edges_.data() + start_[face], edges_.data() + start_[face + 1]};
  }

 private:
  std::vector<Side> sides_;
  std::vector<std::uint32_t> start_;  // face f is crossed by edges_[start_[f]..[f + 1])
  std::vector<BoundaryEdge> edges_;
};

// Whether the segment `edge` passes through the inside of the triangle `face` of `surface`
// (touching its corners or running along its sides is not passing through).
bool passesThrough(const BoundaryEdge& edge, const TinSurface& surface, std::size_t face);

}  // namespace survey
