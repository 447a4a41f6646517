#pragma once

#include <cstddef>
#include <vector>

#include "survey/plan_polygon.h"
#include "survey/surface_volumes.h"

namespace survey {

// Adds `piece`, over which `difference` keeps one sign, to `sums`: its area, and the integral
// of `difference` over it to fill where that is positive (`fill`), or else to cut.
inline void addPiece(const PlanPolygon& piece, const Linear& difference, bool fill,
                     VolumeSums& sums) {
  const Integral whole = integrate(piece, difference);
  sums.area += whole.area;
  if (fill) {
    sums.fill += whole.value;
  } else {
    sums.cut -= whole.value;
  }
}

// Cut and fill shared out over the squares of a grid laid over a survey, in coordinates from
// `origin` as the pieces come.
class VolumeGrid {
 public:
  // Squares of `size` on whole multiples of it in world coordinates, over the points of
  // `surveyed`. Throws std::invalid_argument when they would be more than 50 million.
  VolumeGrid(const TinSurface& surveyed, const Plan& origin, double size);

  // Adds `piece`, all of it fill or all cut, to the squares it covers and to `total`.
  void add(const PlanPolygon& piece, const Linear& difference, bool fill, VolumeSums& total);

  // Adds what `other`, a grid laid alike, holds.
  void addFrom(const VolumeGrid& other);

  // The squares a piece reached, row by row, in world coordinates.
  std::vector<GridSquare> squares(const Plan& origin) const;

 private:
  std::size_t column(double x) const { return index((x - x0_) * perSize_, columns_); }
  std::size_t row(double y) const { return index((y - y0_) * perSize_, rows_); }
  // The strip `at` falls in, or the nearest. A piece on the line between two strips may be
  // given to either: the strips are cut along their exact lines all the same.
  static std::size_t index(double at, std::size_t count) {
    if (!(at > 0.0)) return 0;
    return at >= static_cast<double>(count - 1) ? count - 1 : static_cast<std::size_t>(at);
  }

  double size_;
  double perSize_;  // multiplied by rather than divided by: a division costs many products
  double x0_ = 0.0, y0_ = 0.0;
  std::size_t columns_ = 0, rows_ = 0;
  std::vector<VolumeSums> sums_;
};

}  // namespace survey
