#pragma once

#include <cstddef>
#include <functional>
#include <span>

#include "survey/boundary_crossings.h"
#include "survey/boundary_region.h"
#include "survey/plan_polygon.h"
#include "survey/surface_locator.h"
#include "survey/tin_surface.h"

namespace survey {

// Cuts the pieces of a design's faces at the design's boundaries, so that the volumes count
// exactly the parts within them. Only the faces a boundary crosses pay for it: a design without
// boundaries costs one test per piece.
class BoundaryCut {
 public:
  // For the faces of `design`, which `locator` was made for, in coordinates from `origin`.
  BoundaryCut(const TinSurface& design, const SurfaceLocator& locator, const Plan& origin);

  // Visits the parts of `piece`, a convex anticlockwise part of design face `face`, that lie
  // within the boundaries: the piece itself for a face within them, nothing for a face beyond
  // them, and for a face across them its parts between the boundaries' edges. A part cut here
  // has seven corners at most, leaving room for five more cuts.
  template <class Visit>
  void forPartsWithin(std::size_t face, const PlanPolygon& piece, Visit visit) const {
    if (crossings_.none()) return visit(piece);
    switch (crossings_.sideOf(face)) {
      case BoundaryCrossings::Side::Within:
        return visit(piece);
      case BoundaryCrossings::Side::Beyond:
        return;
      case BoundaryCrossings::Side::Across:
        return cutAcross(piece, crossings_.edgesAcross(face), visit);
    }
  }

 private:
  using PartVisit = std::function<void(const PlanPolygon&)>;
  // Cuts `piece` along the edges that pass through it, and visits its parts within the
  // boundaries.
  void cutAcross(const PlanPolygon& piece, std::span<const BoundaryEdge> edges,
                 const PartVisit& visit) const;

  BoundaryCrossings crossings_;
  BoundaryRegion region_;
  Plan origin_;
};

}  // namespace survey
