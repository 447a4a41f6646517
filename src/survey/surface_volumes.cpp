#include "survey/surface_volumes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "survey/boundary_cut.h"
#include "survey/plan_polygon.h"

namespace survey {
namespace {

constexpr double kMaxSquares = 50e6;

// Adds `piece`, over which `difference` keeps one sign, to `sums`: its area, and the integral
// of `difference` over it to fill where that is positive (`fill`), or else to cut.
void addPiece(const PlanPolygon& piece, const Linear& difference, bool fill, VolumeSums& sums) {
  const Integral whole = integrate(piece, difference);
  sums.area += whole.area;
  if (fill) {
    sums.fill += whole.value;
  } else {
    sums.cut -= whole.value;
  }
}

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

class Grid {
 public:
  Grid(const TinSurface& surveyed, const Plan& origin, double size)
      : size_(size), perSize_(1.0 / size) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const SurfacePoint& p : surveyed.points) {
      minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    // Squares on whole multiples of the size in world coordinates, as a surveyor lays them out.
    x0_ = std::floor(minX / size) * size - origin.x;
    y0_ = std::floor(minY / size) * size - origin.y;
    const double columns = std::floor((maxX - origin.x - x0_) / size) + 1.0;
    const double rows = std::floor((maxY - origin.y - y0_) / size) + 1.0;
    if (columns * rows > kMaxSquares) {
      throw std::invalid_argument("a grid of " + std::to_string(size) +
                                  " makes more than 50 million squares over the survey");
    }
    columns_ = static_cast<std::size_t>(columns);
    rows_ = static_cast<std::size_t>(rows);
    sums_.resize(columns_ * rows_);
  }

  // Adds `piece`, all of it fill or all cut, to the squares it covers and to `total`: cut into
  // columns, and each column into squares.
  void add(const PlanPolygon& piece, const Linear& difference, bool fill, VolumeSums& total) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (std::size_t i = 0; i < piece.size; ++i) {
      minX = std::min(minX, piece.corners[i].x), maxX = std::max(maxX, piece.corners[i].x);
      minY = std::min(minY, piece.corners[i].y), maxY = std::max(maxY, piece.corners[i].y);
    }
    const auto rightOf = [this](std::size_t c) {
      return Linear{x0_ + static_cast<double>(c + 1) * size_, -1, 0};
    };
    const auto topOf = [this](std::size_t r) {
      return Linear{y0_ + static_cast<double>(r + 1) * size_, 0, -1};
    };
    inStrips(piece, column(minX), column(maxX), rightOf,
             [&](std::size_t c, const PlanPolygon& part) {
               inStrips(part, row(minY), row(maxY), topOf,
                        [&](std::size_t r, const PlanPolygon& square) {
                          VolumeSums sums;
                          addPiece(square, difference, fill, sums);
                          for (VolumeSums* to : {&sums_[r * columns_ + c], &total}) {
                            to->cut += sums.cut, to->fill += sums.fill, to->area += sums.area;
                          }
                        });
             });
  }

  std::vector<GridSquare> squares(const Plan& origin) const {
    std::vector<GridSquare> reached;
    for (std::size_t cell = 0; cell < sums_.size(); ++cell) {
      if (sums_[cell].area == 0.0) continue;
      reached.push_back({x0_ + static_cast<double>(cell % columns_) * size_ + origin.x,
                         y0_ + static_cast<double>(cell / columns_) * size_ + origin.y,
                         sums_[cell]});
    }
    return reached;
  }

 private:
  // Visits the parts of `polygon` in strips first..last, strip k lying where `end(k)` is zero or
  // more and `end(k - 1)` less; the last strip takes what is left.
  template <class End, class Visit>
  static void inStrips(const PlanPolygon& polygon, std::size_t first, std::size_t last, End end,
                       Visit visit) {
    const PlanPolygon* remaining = &polygon;
    PlanPolygon strip;
    std::array<PlanPolygon, 2> rests;
    for (std::size_t k = first; k < last; ++k) {
      PlanPolygon& rest = remaining == &rests[0] ? rests[1] : rests[0];
      switch (split(*remaining, end(k), strip, &rest)) {
        case Cut::AllKept:
          return visit(k, *remaining);
        case Cut::AllRest:
          continue;
        case Cut::Across:
          if (strip.size > 0) visit(k, strip);
          if (rest.size == 0) return;
          remaining = &rest;
      }
    }
    visit(last, *remaining);
  }

  std::size_t column(double x) const { return index((x - x0_) * perSize_, columns_); }
  std::size_t row(double y) const { return index((y - y0_) * perSize_, rows_); }
  // The strip `at` falls in, or the nearest. A piece on the line between two strips may be
  // given to either: the strips are cut along their exact lines all the same.
  static std::size_t index(double at, std::size_t count) {
    if (!(at > 0.0)) return 0;
    return std::min(static_cast<std::size_t>(at), count - 1);
  }

  double size_;
  double perSize_;  // multiplied by rather than divided by: a division costs many products
  double x0_ = 0.0, y0_ = 0.0;
  std::size_t columns_ = 0, rows_ = 0;
  std::vector<VolumeSums> sums_;
};

}  // namespace

SurfaceVolumes volumesBetween(const TinSurface& surveyed, const TinSurface& design,
                              const SurfaceLocator& locator, std::optional<double> gridSize) {
  SurfaceVolumes volumes;
  volumes.gridSize = gridSize;
  if (surveyed.points.empty()) return volumes;
  // Coordinates near the survey keep the digits that large easting and northing would take.
  const Plan origin{surveyed.points.front().x, surveyed.points.front().y};
  std::optional<Grid> grid;
  if (gridSize) grid.emplace(surveyed, origin, *gridSize);
  // Each design face meets several surveyed faces: its plane and corners are made once.
  std::vector<DesignFace> levels(design.faces.size());
  std::vector<PlanBox> boxes(design.faces.size());
  for (std::size_t d = 0; d < design.faces.size(); ++d) {
    const LocalFace face = localFace(design, d, origin);
    levels[d] = designFace(face);
    boxes[d] = boxOf(face);
  }
  // Pieces of faces a boundary crosses count only within it.
  const BoundaryCut boundaries(design, locator, origin);
  std::vector<std::uint32_t> seenBy(design.faces.size(), 0);
  const auto compare = [&](std::size_t s, const LocalFace& shot) {
    if (shot.flat) return;
    PlanPolygon triangle;
    triangle.size = 3;
    std::copy(shot.corners.begin(), shot.corners.end(), triangle.corners.begin());
    volumes.surveyArea += integrate(triangle, {}).area;
    const PlanBox box = boxOf(shot);
    const auto stamp = static_cast<std::uint32_t>(s + 1);
    std::array<PlanPolygon, 2> buffers;
    locator.forFacesNear(box.low.x + origin.x, box.low.y + origin.y, box.high.x + origin.x,
                         box.high.y + origin.y, [&](std::size_t d) {
                           if (seenBy[d] == stamp) return;
                           seenBy[d] = stamp;
                           if (!boxes[d].meets(box)) return;
                           const DesignFace& level = levels[d];
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
                               if (grid) {
                                 grid->add(part, difference, fill, volumes.total);
                               } else {
                                 addPiece(part, difference, fill, volumes.total);
                               }
                             });
                           });
                         });
  };
  for (std::size_t s = 0; s < surveyed.faces.size(); ++s)
    compare(s, localFace(surveyed, s, origin));
  if (grid) volumes.squares = grid->squares(origin);
  return volumes;
}

}  // namespace survey
