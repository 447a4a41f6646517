#pragma once

#include <cstdint>
#include <vector>

#include "survey/tin_surface.h"

namespace survey {

// The plan region a surface's boundaries leave: inside an outer boundary (everywhere when there
// is none) and not inside a void, unless inside an island within it. Each ring keeps its edges
// in bands across it, so that a test reads a few edges and not all of them.
class BoundaryRegion {
 public:
  explicit BoundaryRegion(const std::vector<SurfaceBoundary>& boundaries);

  bool contains(double x, double y) const;

 private:
  struct Ring {
    SurfaceBoundary::Kind kind;
    std::vector<SurfacePoint> points;
    double minX, minY, maxX, maxY;
    double bandHeight;
    std::vector<std::uint32_t> bandStart;  // band b holds edges[bandStart[b]..[b + 1])
    std::vector<std::uint32_t> edges;      // an edge by its first point

    bool holds(double x, double y) const;
  };
  static Ring ringOf(const SurfaceBoundary& boundary);

  std::vector<Ring> rings_;
  bool hasOuter_ = false;
};

}  // namespace survey
