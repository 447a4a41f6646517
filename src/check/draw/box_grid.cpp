#include "check/draw/box_grid.h"

#include <cmath>
#include <functional>

namespace check::draw {

BoxGrid::BoxGrid(double cellSize) : cellSize_(cellSize) {}

std::size_t BoxGrid::CellHash::operator()(const Cell& cell) const {
  const std::size_t x = std::hash<std::int64_t>()(cell.x);
  return x ^ (std::hash<std::int64_t>()(cell.y) + 0x9e3779b97f4a7c15ULL + (x << 6) + (x >> 2));
}

template <class Visit>
void BoxGrid::forEachCell(const Box& box, Visit&& visit) const {
  const auto cellOf = [this](double value) {
    return static_cast<std::int64_t>(std::floor(value / cellSize_));
  };
  for (std::int64_t x = cellOf(box.min().x()); x <= cellOf(box.max().x()); ++x) {
    for (std::int64_t y = cellOf(box.min().y()); y <= cellOf(box.max().y()); ++y) {
      visit(Cell{x, y});
    }
  }
}

bool BoxGrid::overlapsAny(const std::vector<Box>& boxes) const {
  bool found = false;
  for (const Box& box : boxes) {
    forEachCell(box, [&](const Cell& cell) {
      const auto filed = cells_.find(cell);
      if (found || filed == cells_.end()) return;
      for (const Box& other : filed->second) {
        if (overlap(box, other)) {
          found = true;
          return;
        }
      }
    });
    if (found) return true;
  }
  return false;
}

void BoxGrid::add(const std::vector<Box>& boxes) {
  for (const Box& box : boxes) {
    forEachCell(box, [&](const Cell& cell) { cells_[cell].push_back(box); });
  }
}

}  // namespace check::draw
