#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "survey/tin_surface.h"

namespace survey {

struct TriangulationInput {
  std::string name;  // the file, as messages show it
  std::vector<SurfacePoint> points;
  std::vector<Breakline> breaklines;
  // Faces along the outside with an edge longer than this are left out, layer by layer, so
  // that the hull's long thin faces do not bridge a bay of the design.
  std::optional<double> maxEdge;
};

// The constrained Delaunay triangulation of the points in plan, with the breaklines as
// constraints. Throws PointFileError: fewer than three points off one line, a breakline that
// crosses itself (naming where), or one that crosses an earlier one where neither has a point.
TinSurface triangulate(const TriangulationInput& input);

}  // namespace survey
