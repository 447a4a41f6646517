#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "survey/boundary_region.h"
#include "survey/tin_surface.h"

namespace survey {

// Where a plan position meets a surface.
struct SurfaceHit {
  std::size_t face = 0;
  double z = 0.0;  // the level of the face's plane at the position
  // The vertical part of the face's upward unit normal: a height difference times it is the
  // distance along the normal.
  double normalZ = 1.0;
};

struct FacePosition;

// Finds the face under a plan position through a grid of cells over the surface, each listing
// the faces that reach into it. A position on an edge, a corner or the hull is on the surface.
class SurfaceLocator {
 public:
  // Refers to `surface`, which outlives it. A position within `reach` of a face, beyond it by
  // no more than that, is on it where it is on no face: a shot at the surface's edge whose
  // coordinates were rounded, or converted from feet, is not outside for a hundredth of a
  // millimetre.
  explicit SurfaceLocator(const TinSurface& surface, double reach = 0.0);

  // The face under (x, y); where faces overlap, the upper one. None outside the surface or its
  // boundaries.
  std::optional<SurfaceHit> at(double x, double y) const;

  // The cell of the grid (x, y) falls in, the nearest for a position outside: positions
  // located in the order of their cells find the faces they need near each other in memory.
  std::size_t cellOf(double x, double y) const;

  // The first two faces of which one holds the other's centre, in the order of the faces.
  std::optional<std::pair<std::size_t, std::size_t>> firstOverlap() const;

  // The faces whose bounding boxes meet the box from (x0, y0) to (x1, y1), each once or more.
  template <class Visit>
  void forFacesNear(double x0, double y0, double x1, double y1, Visit visit) const {
    if (cellStart_.empty() || x1 < minX_ || y1 < minY_ || x0 > maxX_ || y0 > maxY_) return;
    const std::size_t c0 = column(x0), c1 = column(x1), r0 = row(y0), r1 = row(y1);
    for (std::size_t r = r0; r <= r1; ++r) {
      for (std::size_t c = c0; c <= c1; ++c) {
        const std::size_t cell = r * columns_ + c;
        for (std::uint32_t k = cellStart_[cell]; k < cellStart_[cell + 1]; ++k) {
          visit(static_cast<std::size_t>(cellFaces_[k]));
        }
      }
    }
  }

 private:
  // How far a position lies beyond `face`, from the edge it is furthest beyond.
  double distanceBeyond(std::size_t face, const FacePosition& position) const;
  std::size_t column(double x) const;
  std::size_t row(double y) const;

  const TinSurface& surface_;
  BoundaryRegion region_;
  double minX_ = 0.0, minY_ = 0.0, maxX_ = 0.0, maxY_ = 0.0;
  double cellSize_ = 1.0;
  double reach_ = 0.0;
  std::size_t columns_ = 0, rows_ = 0;
  std::vector<std::uint32_t> cellStart_;  // cell c lists cellFaces_[cellStart_[c]..[c + 1])
  std::vector<std::uint32_t> cellFaces_;
};

// The level of `face` of `surface` at (x, y) and where (x, y) lies: its barycentric weights,
// scaled by twice the face's area, positive inside. Computed from the face's first corner, so
// that large survey coordinates keep their digits.
struct FacePosition {
  double w[3] = {};
  double area2 = 0.0;  // twice the area, positive; 0 for a face without area
  double z = 0.0;
};
FacePosition positionOn(const TinSurface& surface, std::size_t face, double x, double y);

// The vertical part of the upward unit normal of `face` (1 for a face without area).
double normalZOf(const TinSurface& surface, std::size_t face);

}  // namespace survey
