#pragma once

#include <array>
#include <cstddef>

// Convex polygons in plan, cut along lines and integrated over: the pieces in which two
// surfaces and a grid meet. They are made by the million, so they live on the stack with a
// fixed room for corners, and the functions are inline: a call costs as much as their work.
namespace survey {

// Left without initial values: corners are set as they are used.
struct Plan {
  double x;
  double y;
};

// A triangle cut by at most three edges, four sides of a square and one line keeps within this
// many corners: each cut of a convex polygon adds one at most.
constexpr std::size_t kMaxCorners = 12;

struct PlanPolygon {
  std::array<Plan, kMaxCorners> corners;
  std::size_t size = 0;
};

// c + a x + b y: a plane's level, or which side of a line a position lies on.
struct Linear {
  double c = 0.0;
  double a = 0.0;
  double b = 0.0;
  double at(const Plan& p) const { return c + a * p.x + b * p.y; }
};

// The side function of the line from p to q: zero or more on its left.
inline Linear leftOf(const Plan& p, const Plan& q) {
  const double a = -(q.y - p.y), b = q.x - p.x;
  return {-(a * p.x + b * p.y), a, b};
}

// Where a polygon lies against a line: wholly on the kept side (where the line's function is
// zero or more), wholly on the other, or across it.
enum class Cut { AllKept, AllRest, Across };

// Cuts `polygon` along the line where `side` is zero. Only when it lies across are `kept` and
// `rest` (when given) written: the part where `side` is zero or more and the part where it is
// less, each empty when it has fewer than three corners. Neither may be `polygon` itself.
// An empty polygon keeps nothing.
inline Cut split(const PlanPolygon& polygon, const Linear& side, PlanPolygon& kept,
                 PlanPolygon* rest) {
  std::array<double, kMaxCorners> value;
  std::size_t inside = 0;
  for (std::size_t i = 0; i < polygon.size; ++i) {
    value[i] = side.at(polygon.corners[i]);
    inside += value[i] >= 0.0 ? 1 : 0;
  }
  // Most polygons lie wholly on one side: they are left as they are, not copied.
  if (inside == 0) return Cut::AllRest;
  if (inside == polygon.size) return Cut::AllKept;
  kept.size = 0;
  if (rest) rest->size = 0;
  for (std::size_t i = 0, next = 1; i < polygon.size; ++i, ++next) {
    if (next == polygon.size) next = 0;
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
  return Cut::Across;
}

// Narrows `piece` to its part where `side` is zero or more, pointing it into one of `buffers`
// when it has to be cut (never the one it points to). False when nothing is left.
inline bool keepWhere(const PlanPolygon*& piece, const Linear& side,
                      std::array<PlanPolygon, 2>& buffers) {
  PlanPolygon& kept = piece == &buffers[0] ? buffers[1] : buffers[0];
  switch (split(*piece, side, kept, nullptr)) {
    case Cut::AllKept:
      return true;
    case Cut::AllRest:
      return false;
    case Cut::Across:
      piece = &kept;
      return kept.size > 0;
  }
  return false;
}

// The area of an anticlockwise polygon (0 for a clockwise one) and the integral of `f` over
// it, which for a linear `f` is the area times its value at the centroid. Taken from the first
// corner: a small piece far from the origin would lose its centroid's digits in the products
// of large coordinates.
struct Integral {
  double area = 0.0;
  double value = 0.0;
};
inline Integral integrate(const PlanPolygon& polygon, const Linear& f) {
  if (polygon.size < 3) return {};
  const Plan& origin = polygon.corners[0];
  double twiceArea = 0.0, cx = 0.0, cy = 0.0;
  Plan p{polygon.corners[1].x - origin.x, polygon.corners[1].y - origin.y};
  for (std::size_t i = 2; i < polygon.size; ++i) {
    const Plan q{polygon.corners[i].x - origin.x, polygon.corners[i].y - origin.y};
    const double cross = p.x * q.y - q.x * p.y;
    twiceArea += cross;
    cx += (p.x + q.x) * cross;
    cy += (p.y + q.y) * cross;
    p = q;
  }
  if (twiceArea <= 0.0) return {};
  const double area = 0.5 * twiceArea;
  const Plan centroid{origin.x + cx / (3.0 * twiceArea), origin.y + cy / (3.0 * twiceArea)};
  return {area, area * f.at(centroid)};
}

}  // namespace survey
