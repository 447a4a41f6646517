#include "survey/volume_grid.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace survey {
namespace {

constexpr double kMaxSquares = 50e6;

// Visits the parts of `polygon` in strips first..last, strip k lying where `end(k)` is zero or
// more and `end(k - 1)` less; the last strip takes what is left.
template <class End, class Visit>
void inStrips(const PlanPolygon& polygon, std::size_t first, std::size_t last, End end,
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

}  // namespace

VolumeGrid::VolumeGrid(const TinSurface& surveyed, const Plan& origin, double size)
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

void VolumeGrid::add(const PlanPolygon& piece, const Linear& difference, bool fill,
                     VolumeSums& total) {
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
  inStrips(piece, column(minX), column(maxX), rightOf, [&](std::size_t c, const PlanPolygon& part) {
    inStrips(part, row(minY), row(maxY), topOf, [&](std::size_t r, const PlanPolygon& square) {
      VolumeSums sums;
      addPiece(square, difference, fill, sums);
      sums_[r * columns_ + c] += sums;
      total += sums;
    });
  });
}

void VolumeGrid::addFrom(const VolumeGrid& other) {
  for (std::size_t cell = 0; cell < sums_.size(); ++cell) sums_[cell] += other.sums_[cell];
}

std::vector<GridSquare> VolumeGrid::squares(const Plan& origin) const {
  std::vector<GridSquare> reached;
  for (std::size_t cell = 0; cell < sums_.size(); ++cell) {
    if (sums_[cell].area == 0.0) continue;
    reached.push_back({x0_ + static_cast<double>(cell % columns_) * size_ + origin.x,
                       y0_ + static_cast<double>(cell / columns_) * size_ + origin.y, sums_[cell]});
  }
  return reached;
}

}  // namespace survey
