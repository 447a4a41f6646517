#include "survey/surface_volumes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

#include "survey/boundary_cut.h"
#include "survey/plan_polygon.h"
#include "survey/volume_grid.h"

namespace survey {
namespace {

// Visits the parts of `piece` above the design (fill) and below it (cut). Most pieces lie
// wholly on one side: only the others are cut along the line where the surfaces meet.
template <class Visit>
void bySide(const PlanPolygon& piece, const Linear& difference, Visit visit) {
  PlanPolygon above, below;
  switch (split(piece, difference, above, &below)) {
    case Cut::AllKept:
      return visit(piece, true);
    case Cut::AllRest:
      return visit(piece, false);
    case Cut::Across:
      visit(above, true);
      visit(below, false);
  }
}

// A face of a surface in coordinates from `origin`, its corners turning anticlockwise.
struct LocalFace {
  std::array<Plan, 3> corners;
  Linear plane;
  bool flat = true;  // without area in plan
};
LocalFace localFace(const TinSurface& surface, std::size_t face, const Plan& origin) {
  LocalFace local;
  std::array<double, 3> z{};
  for (std::size_t k = 0; k < 3; ++k) {
    const SurfacePoint& p = surface.points[surface.faces[face][k]];
    local.corners[k] = {p.x - origin.x, p.y - origin.y};
    z[k] = p.z;
  }
  const auto& [p0, p1, p2] = local.corners;
  const double det = (p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y);
  if (det == 0.0) return local;
  local.flat = false;
  const double gx = ((z[1] - z[0]) * (p2.y - p0.y) - (z[2] - z[0]) * (p1.y - p0.y)) / det;
  const double gy = ((p1.x - p0.x) * (z[2] - z[0]) - (p2.x - p0.x) * (z[1] - z[0])) / det;
  local.plane = {z[0] - gx * p0.x - gy * p0.y, gx, gy};
  if (det < 0.0) std::swap(local.corners[1], local.corners[2]);
  return local;
}

// A design face as each surveyed face is cut by it: its plane, and its edges' side functions,
// zero or more inside.
struct DesignFace {
  Linear plane;
  std::array<Linear, 3> inside;
};
DesignFace designFace(const LocalFace& face) {
  const auto& c = face.corners;
  return {face.plane, {leftOf(c[0], c[1]), leftOf(c[1], c[2]), leftOf(c[2], c[0])}};
}

// A face's extent in plan. The boxes of all faces lie together, apart from the faces: most
// faces near a surveyed face are ruled out by their box alone.
struct PlanBox {
  Plan low{HUGE_VAL, HUGE_VAL};  // a face without area has an empty box, meeting none
  Plan high{-HUGE_VAL, -HUGE_VAL};

  bool meets(const PlanBox& other) const {
    return high.x >= other.low.x && low.x <= other.high.x && high.y >= other.low.y &&
           low.y <= other.high.y;
  }
};
PlanBox boxOf(const LocalFace& face) {
  PlanBox box;
  if (face.flat) return box;
  for (const Plan& p : face.corners) {
    box.low = {std::min(box.low.x, p.x), std::min(box.low.y, p.y)};
    box.high = {std::max(box.high.x, p.x), std::max(box.high.y, p.y)};
  }
  return box;
}

// The design's faces as the surveyed faces are cut by them, made once and shared.
struct Design {
  std::vector<DesignFace> levels;
  std::vector<PlanBox> boxes;
};
Design prepare(const TinSurface& design, const Plan& origin) {
  Design prepared{std::vector<DesignFace>(design.faces.size()),
                  std::vector<PlanBox>(design.faces.size())};
  for (std::size_t d = 0; d < design.faces.size(); ++d) {
    const LocalFace face = localFace(design, d, origin);
    prepared.levels[d] = designFace(face);
    prepared.boxes[d] = boxOf(face);
  }
  return prepared;
}

// What a run of surveyed faces adds up to.
struct PartSums {
  VolumeSums total;
  double surveyArea = 0.0;
  std::optional<VolumeGrid> grid;
};

// Adds the surveyed faces first..last, each cut by the design faces under it, to `sums`.
void addFaces(const TinSurface& surveyed, std::size_t first, std::size_t last, const Design& design,
              const SurfaceLocator& locator, const Plan& origin, const BoundaryCut& boundaries,
              PartSums& sums) {
  std::vector<std::uint32_t> seenBy(design.levels.size(), 0);
  std::array<PlanPolygon, 2> buffers;
  for (std::size_t s = first; s < last; ++s) {
    const LocalFace shot = localFace(surveyed, s, origin);
    if (shot.flat) continue;
    PlanPolygon triangle;
    triangle.size = 3;
    std::copy(shot.corners.begin(), shot.corners.end(), triangle.corners.begin());
    sums.surveyArea += integrate(triangle, {}).area;
    const PlanBox box = boxOf(shot);
    const auto stamp = static_cast<std::uint32_t>(s - first + 1);
    locator.forFacesNear(box.low.x + origin.x, box.low.y + origin.y, box.high.x + origin.x,
                         box.high.y + origin.y, [&](std::size_t d) {
                           if (seenBy[d] == stamp) return;
                           seenBy[d] = stamp;
                           if (!design.boxes[d].meets(box)) return;
                           const DesignFace& level = design.levels[d];
                           const PlanPolygon* piece = &triangle;
                           if (!keepWhere(piece, level.inside[0], buffers) ||
                               !keepWhere(piece, level.inside[1], buffers) ||
                               !keepWhere(piece, level.inside[2], buffers)) {
                             return;
                           }
                           const Linear difference{shot.plane.c - level.plane.c,
                                                   shot.plane.a - level.plane.a,
                                                   shot.plane.b - level.plane.b};
                           boundaries.forPartsWithin(d, *piece, [&](const PlanPolygon& within) {
                             bySide(within, difference, [&](const PlanPolygon& part, bool fill) {
                               if (sums.grid) {
                                 sums.grid->add(part, difference, fill, sums.total);
                               } else {
                                 addPiece(part, difference, fill, sums.total);
                               }
                             });
                           });
                         });
  }
}

}  // namespace

SurfaceVolumes volumesBetween(const TinSurface& surveyed, const TinSurface& design,
                              const SurfaceLocator& locator, std::optional<double> gridSize) {
  SurfaceVolumes volumes;
  volumes.gridSize = gridSize;
  if (surveyed.points.empty()) return volumes;
  // Coordinates near the survey keep the digits that large easting and northing would take.
  const Plan origin{surveyed.points.front().x, surveyed.points.front().y};
  const Design prepared = prepare(design, origin);
  // Pieces of faces a boundary crosses count only within it.
  const BoundaryCut boundaries(design, locator, origin);
  // The surveyed faces in two halves, the second on a thread of its own: on two cores the
  // volumes take half the time. Always two, so that the sums are added in one order everywhere.
  std::array<PartSums, 2> parts;
  for (PartSums& part : parts) {
    if (gridSize) part.grid.emplace(surveyed, origin, *gridSize);
  }
  const std::size_t half = surveyed.faces.size() / 2;
  std::thread second([&] {
    addFaces(surveyed, half, surveyed.faces.size(), prepared, locator, origin, boundaries,
             parts[1]);
  });
  addFaces(surveyed, 0, half, prepared, locator, origin, boundaries, parts[0]);
  second.join();
  for (const PartSums& part : parts) {
    volumes.total += part.total;
    volumes.surveyArea += part.surveyArea;
  }
  if (gridSize) {
    parts[0].grid->addFrom(*parts[1].grid);
    volumes.squares = parts[0].grid->squares(origin);
  }
  return volumes;
}

}  // namespace survey
