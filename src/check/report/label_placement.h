#pragma once

#include <optional>
#include <vector>

// Where the ids of points go on a plan so that none covers another or a point: tried in turn
// at places around their point, and left out where none is free. Free of any toolkit; the
// units are the page's millimetres, y down.
namespace check::report {

struct LabelBox {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;

  bool overlaps(const LabelBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool inside(const LabelBox& outer) const {
    return left >= outer.left && right <= outer.right && top >= outer.top && bottom <= outer.bottom;
  }
};

struct LabelWanted {
  double x = 0.0;  // the point labelled
  double y = 0.0;
  double width = 0.0;  // of its text
  double height = 0.0;
};

// A box per label, in the order given (the first ones win a contested place), or none where
// every place beside its point, `gap` away from it, would cover a label placed before, one of
// the `symbols` or lie outside `bounds`. Fast enough for 20,000 labels: what is placed is kept
// in a grid of cells.
std::vector<std::optional<LabelBox>> placeLabels(const std::vector<LabelWanted>& labels,
                                                 const std::vector<LabelBox>& symbols,
                                                 const LabelBox& bounds, double gap);

}  // namespace check::report
