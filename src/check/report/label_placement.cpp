#include "check/report/label_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace check::report {
namespace {

// Boxes by the square cells of the page they touch, so that a label is tried only against its
// neighbours.
class BoxGrid {
 public:
  explicit BoxGrid(double cell) : cell_(cell) {}

  void add(const LabelBox& box) {
    boxes_.push_back(box);
    forEachCell(box, [&](std::int64_t key) {
      cells_[key].push_back(boxes_.size() - 1);
      return false;
    });
  }

  bool overlapsAny(const LabelBox& box) const {
    return forEachCell(box, [&](std::int64_t key) {
      const auto found = cells_.find(key);
      if (found == cells_.end()) return false;
      return std::any_of(found->second.begin(), found->second.end(),
                         [&](std::size_t i) { return boxes_[i].overlaps(box); });
    });
  }

 private:
  // Calls `visit` with every cell `box` touches until it returns true; returns whether it did.
  template <typename Visit>
  bool forEachCell(const LabelBox& box, Visit visit) const {
    const auto index = [this](double mm) {
      return static_cast<std::int64_t>(std::floor(mm / cell_));
    };
    for (std::int64_t row = index(box.top); row <= index(box.bottom); ++row) {
      for (std::int64_t column = index(box.left); column <= index(box.right); ++column) {
        if (visit(row * 1'000'003 + column)) return true;
      }
    }
    return false;
  }

  double cell_;
  std::vector<LabelBox> boxes_;
  std::unordered_map<std::int64_t, std::vector<std::size_t>> cells_;
};

// The places tried around a point, in order: right above, right below, left above, left below,
// above, below, right, left. Each as the box's offset from the point in its widths and heights
// and in gaps.
struct Place {
  double widths, heights, gapsX, gapsY;
};
constexpr Place kPlaces[] = {
    {0, -1, 1, -1},    {0, 0, 1, 1},    {-1, -1, -1, -1}, {-1, 0, -1, 1},
    {-0.5, -1, 0, -1}, {-0.5, 0, 0, 1}, {0, -0.5, 1, 0},  {-1, -0.5, -1, 0},
};

}  // namespace

std::vector<std::optional<LabelBox>> placeLabels(const std::vector<LabelWanted>& labels,
                                                 const std::vector<LabelBox>& symbols,
                                                 const LabelBox& bounds, double gap) {
  double tallest = gap;
  for (const LabelWanted& label : labels) tallest = std::max(tallest, label.height);
  BoxGrid placed(std::max(2.0 * tallest, 1e-3));
  for (const LabelBox& symbol : symbols) {
    // Cut to the bounds, as what lies outside them cannot be covered.
    const LabelBox within{std::max(symbol.left, bounds.left), std::max(symbol.top, bounds.top),
                          std::min(symbol.right, bounds.right),
                          std::min(symbol.bottom, bounds.bottom)};
    if (within.left <= within.right && within.top <= within.bottom) placed.add(within);
  }

  std::vector<std::optional<LabelBox>> boxes;
  boxes.reserve(labels.size());
  for (const LabelWanted& label : labels) {
    std::optional<LabelBox> chosen;
    for (const Place& place : kPlaces) {
      const double left = label.x + place.widths * label.width + place.gapsX * gap;
      const double top = label.y + place.heights * label.height + place.gapsY * gap;
      const LabelBox box{left, top, left + label.width, top + label.height};
      if (box.inside(bounds) && !placed.overlapsAny(box)) {
        chosen = box;
        break;
      }
    }
    if (chosen) placed.add(*chosen);
    boxes.push_back(chosen);
  }
  return boxes;
}

}  // namespace check::report
