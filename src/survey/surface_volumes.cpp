#include "survey/surface_volumes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace survey {
namespace {

constexpr double kMaxSquares = 50e6;

// Left without initial values: polygons are made by the million, their corners set as used.
struct Plan {
  double x;
  double y;
};

// A triangle cut by at most three edges, four sides of a square and one line keeps within this
// many corners: each cut of a convex polygon adds one at most.
constexpr std::size_t kMaxCorners = 12;

// A convex polygon in plan. Copies take only the corners in use: polygons are copied by the
// million, most of them triangles.
struct Polygon {
  Polygon() = default;
  Polygon(const Polygon& other) : size(other.size) {
    std::copy_n(other.corners.begin(), size, corners.begin());
  }
  Polygon& operator=(const Polygon& other) {
    size = other.size;
    std::copy_n(other.corners.begin(), size, corners.begin());
    return *this;
  }

  std::array<Plan, kMaxCorners> corners;
  std::size_t size = 0;
};

// z = z0 + gx x + gy y, or a side function a x + b y + c, in coordinates near the survey.
struct Linear {
  double c = 0.0;
  double a = 0.0;
  double b = 0.0;
  double at(const Plan& p) const { return c + a * p.x + b * p.y; }
};

// Cuts `polygon` along the line where `side` is zero: `kept` gets the part where it is zero or
// more, `rest` (when given) the part where it is less. A part with fewer than three corners is
// empty. Both may not be `polygon` itself.
void split(const Polygon& polygon, const Linear& side, Polygon& kept, Polygon* rest) {
  std::array<double, kMaxCorners> value;
  std::size_t inside = 0;
  for (std::size_t i = 0; i < polygon.size; ++i) {
    value[i] = side.at(polygon.corners[i]);
    inside += value[i] >= 0.0 ? 1 : 0;
  }
  kept.size = 0;
  if (rest) rest->size = 0;
  // Most polygons lie wholly on one side: they are copied, not cut.
  if (inside == polygon.size || inside == 0) {
    Polygon* whole = inside == 0 ? rest : &kept;
    if (whole) *whole = polygon;
    return;
  }
  for (std::size_t i = 0; i < polygon.size; ++i) {
    const std::size_t next = i + 1 == polygon.size ? 0 : i + 1;
    const Plan& p = polygon.corners[i];
    const Plan& q = polygon.corners[next];
    const double fp = value[i], fq = value[next];
    if (fp >= 0.0) {
      kept.corners[kept.size++] = p;
    } else if (rest) {
      rest->corners[rest->size++] = p;
    }
    if ((fp >= 0.0) != (fq >= 0.0)) {
      const double t = fp / (fp - fq);
      const Plan crossing{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)};
      kept.corners[kept.size++] = crossing;
      if (rest) rest->corners[rest->size++] = crossing;
    }
  }
  if (kept.size < 3) kept.size = 0;
  if (rest && rest->size < 3) rest->size = 0;
}

// The part of `polygon` where `side` is zero or more.
Polygon clipped(const Polygon& polygon, const Linear& side) {
  Polygon kept;
  split(polygon, side, kept, nullptr);
  return kept;
}

// The area of a polygon and the integral of `f` over it, which for a linear `f` is the area
// times its value at the centroid.
struct Integral {
  double area = 0.0;
  double value = 0.0;
};
Integral integrate(const Polygon& polygon, const Linear& f) {
  double twiceArea = 0.0, cx = 0.0, cy = 0.0;
  for (std::size_t i = 0; i < polygon.size; ++i) {
    const Plan& p = polygon.corners[i];
    const Plan& q = polygon.corners[(i + 1) % polygon.size];
    const double cross = p.x * q.y - q.x * p.y;
    twiceArea += cross;
    cx += (p.x + q.x) * cross;
    cy += (p.y + q.y) * cross;
  }
  if (twiceArea <= 0.0) return {};
  const double area = 0.5 * twiceArea;
  const Plan centroid{cx / (3.0 * twiceArea), cy / (3.0 * twiceArea)};
  return {area, area * f.at(centroid)};
}

void addPiece(const Polygon& piece, const Linear& difference, VolumeSums& sums) {
  const Integral whole = integrate(piece, difference);
  if (whole.area == 0.0) return;
  sums.area += whole.area;
  double lowest = HUGE_VAL, highest = -HUGE_VAL;
  for (std::size_t i = 0; i < piece.size; ++i) {
    lowest = std::min(lowest, difference.at(piece.corners[i]));
    highest = std::max(highest, difference.at(piece.corners[i]));
  }
  // Most pieces lie wholly above or below the design: only the others are cut along the line
  // where the surfaces meet.
  if (lowest >= 0.0) {
    sums.fill += whole.value;
  } else if (highest <= 0.0) {
    sums.cut -= whole.value;
  } else {
    const Integral above = integrate(clipped(piece, difference), difference);
    sums.fill += above.value;
    sums.cut += above.value - whole.value;
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

// Whether the plan box of `face` meets the box from `low` to `high`.
bool boxesMeet(const LocalFace& face, const Plan& low, const Plan& high) {
  const auto& [a, b, c] = face.corners;
  return std::max({a.x, b.x, c.x}) >= low.x && std::min({a.x, b.x, c.x}) <= high.x &&
         std::max({a.y, b.y, c.y}) >= low.y && std::min({a.y, b.y, c.y}) <= high.y;
}

// The side function of edge pq: zero or more on its left, inside an anticlockwise face.
Linear leftOf(const Plan& p, const Plan& q) {
  const double a = -(q.y - p.y), b = q.x - p.x;
  return {-(a * p.x + b * p.y), a, b};
}

class Grid {
 public:
  Grid(const TinSurface& surveyed, const Plan& origin, double size) : size_(size) {
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

  // Adds `piece` to the squares it covers, and to `total`: cut into columns, and each column
  // into squares, one cut each.
  void add(const Polygon& piece, const Linear& difference, VolumeSums& total) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (std::size_t i = 0; i < piece.size; ++i) {
      minX = std::min(minX, piece.corners[i].x), maxX = std::max(maxX, piece.corners[i].x);
      minY = std::min(minY, piece.corners[i].y), maxY = std::max(maxY, piece.corners[i].y);
    }
    const std::size_t c0 = column(minX), c1 = column(maxX), r0 = row(minY), r1 = row(maxY);
    Polygon columnRest = piece, columnPart, squareRest, square;
    for (std::size_t c = c0; c <= c1 && columnRest.size > 0; ++c) {
      const double right = x0_ + static_cast<double>(c + 1) * size_;
      if (c == c1) {
        columnPart = columnRest;
      } else {
        split(columnRest, {right, -1, 0}, columnPart, &squareRest);
        columnRest = squareRest;
      }
      for (std::size_t r = r0; r <= r1 && columnPart.size > 0; ++r) {
        const double top = y0_ + static_cast<double>(r + 1) * size_;
        if (r == r1) {
          square = columnPart;
          columnPart.size = 0;
        } else {
          split(columnPart, {top, 0, -1}, square, &squareRest);
          columnPart = squareRest;
        }
        VolumeSums& sums = sums_[r * columns_ + c];
        const VolumeSums before = sums;
        addPiece(square, difference, sums);
        total.cut += sums.cut - before.cut;
        total.fill += sums.fill - before.fill;
        total.area += sums.area - before.area;
      }
    }
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
  std::size_t column(double x) const { return index((x - x0_) / size_, columns_); }
  std::size_t row(double y) const { return index((y - y0_) / size_, rows_); }
  static std::size_t index(double at, std::size_t count) {
    return static_cast<std::size_t>(
        std::clamp(std::floor(at), 0.0, static_cast<double>(count - 1)));
  }

  double size_;
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
  std::vector<LocalFace> levels(design.faces.size());
  for (std::size_t d = 0; d < design.faces.size(); ++d) levels[d] = localFace(design, d, origin);
  std::vector<std::uint32_t> seenBy(design.faces.size(), 0);
  const auto compare = [&](std::size_t s, const LocalFace& shot) {
    if (shot.flat) return;
    Polygon triangle;
    triangle.size = 3;
    std::copy(shot.corners.begin(), shot.corners.end(), triangle.corners.begin());
    volumes.surveyArea += integrate(triangle, {}).area;
    Plan low{HUGE_VAL, HUGE_VAL}, high{-HUGE_VAL, -HUGE_VAL};
    for (const Plan& p : shot.corners) {
      low = {std::min(low.x, p.x), std::min(low.y, p.y)};
      high = {std::max(high.x, p.x), std::max(high.y, p.y)};
    }
    const auto stamp = static_cast<std::uint32_t>(s + 1);
    Polygon piece, scratch;
    locator.forFacesNear(low.x + origin.x, low.y + origin.y, high.x + origin.x, high.y + origin.y,
                         [&](std::size_t d) {
                           if (seenBy[d] == stamp) return;
                           seenBy[d] = stamp;
                           const LocalFace& level = levels[d];
                           if (level.flat || !boxesMeet(level, low, high)) return;
                           const auto& c = level.corners;
                           split(triangle, leftOf(c[0], c[1]), scratch, nullptr);
                           split(scratch, leftOf(c[1], c[2]), piece, nullptr);
                           split(piece, leftOf(c[2], c[0]), scratch, nullptr);
                           if (scratch.size == 0) return;
                           const Linear difference{shot.plane.c - level.plane.c,
                                                   shot.plane.a - level.plane.a,
                                                   shot.plane.b - level.plane.b};
                           if (grid) {
                             grid->add(scratch, difference, volumes.total);
                           } else {
                             addPiece(scratch, difference, volumes.total);
                           }
                         });
  };
  // Shots in no order leave the corners of neighbouring faces all over memory: they are
  // gathered a block at a time, in a loop whose reads the processor overlaps.
  constexpr std::size_t kBlock = 4096;
  std::vector<LocalFace> block(kBlock);
  for (std::size_t first = 0; first < surveyed.faces.size(); first += kBlock) {
    const std::size_t count = std::min(kBlock, surveyed.faces.size() - first);
    for (std::size_t k = 0; k < count; ++k) block[k] = localFace(surveyed, first + k, origin);
    for (std::size_t k = 0; k < count; ++k) compare(first + k, block[k]);
  }
  if (grid) volumes.squares = grid->squares(origin);
  return volumes;
}

}  // namespace survey
