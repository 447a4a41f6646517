#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "survey/surface_locator.h"
#include "survey/tin_surface.h"

namespace survey {

// Cut and fill over one square of a grid, or over the whole comparison.
struct VolumeSums {
  double cut = 0.0;   // volume where the survey lies below the design
  double fill = 0.0;  // volume where it lies above
  double area = 0.0;  // plan area where both surfaces are

  VolumeSums& operator+=(const VolumeSums& more) {
    cut += more.cut, fill += more.fill, area += more.area;
    return *this;
  }
};

struct GridSquare {
  double x = 0.0;  // the square's lower left corner
  double y = 0.0;
  VolumeSums sums;
};

struct SurfaceVolumes {
  VolumeSums total;
  double surveyArea = 0.0;  // plan area of the surveyed surface, whether over the design or not
  std::optional<double> gridSize;
  std::vector<GridSquare> squares;  // with a grid: those the comparison reaches, row by row
};

// The volumes between `surveyed` and the design `design` locates, exactly for the planes of
// their faces: each surveyed face is cut by the design's faces (and the grid's squares, with
// `gridSize`), and the difference of two planes is integrated on each piece. Throws
// std::invalid_argument when the grid would have more than 50 million squares.
SurfaceVolumes volumesBetween(const TinSurface& surveyed, const TinSurface& design,
                              const SurfaceLocator& locator, std::optional<double> gridSize);

}  // namespace survey
