#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "check/draw/pair_footprint.h"

namespace check::draw {

// The boxes drawn so far, filed in square cells so that a new box is only compared with the
// boxes near it.
class BoxGrid {
 public:
  // `cellSize` greater than 0; a few text heights suit labels.
  explicit BoxGrid(double cellSize);

  // Whether any of `boxes` overlaps a box filed before.
  bool overlapsAny(const std::vector<Box>& boxes) const;
  void add(const std::vector<Box>& boxes);

 private:
  struct Cell {
    std::int64_t x;
    std::int64_t y;
    friend bool operator==(const Cell&, const Cell&) = default;
  };
  struct CellHash {
    std::size_t operator()(const Cell& cell) const;
  };
  template <class Visit>
  void forEachCell(const Box& box, Visit&& visit) const;

  double cellSize_;
  std::unordered_map<Cell, std::vector<Box>, CellHash> cells_;
};

}  // namespace check::draw
