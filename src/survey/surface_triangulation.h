#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "survey/tin_surface.h"

namespace survey {

// A line the surface must follow (a kerb, a ridge): its points are corners of the surface and
// its segments edges of it.
struct Breakline {
  std::vector<SurfacePoint> points;
  std::size_t line = 0;  // where it stands in its file, for messages; 0 when unknown
};

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
