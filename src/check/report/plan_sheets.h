#pragma once

#include <cstddef>
#include <vector>

// How a plan of points is laid out on pages: at a standard scale at which the points stand
// apart, on one sheet when they fit it and on a grid of sheets when they do not. Free of any
// toolkit, so that every report that draws points in plan can lay them out alike.
namespace check::report {

struct PlanPoint {
  double x = 0.0;
  double y = 0.0;
};

// A part of the plan in the points' units, its X to the right and its Y up.
struct PlanWindow {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;

  bool contains(PlanPoint p) const {
    return p.x >= minX && p.x <= maxX && p.y >= minY && p.y <= maxY;
  }
};

struct PlanSheet {
  PlanWindow window;
  std::vector<std::size_t> points;  // indices of the points it shows, each on one sheet only
};

struct PlanSheets {
  double scale = 1.0;             // the denominator: 500 for 1:500
  std::vector<PlanSheet> sheets;  // numbered from the top left, row by row
  PlanWindow extent;              // of all the points

  // Millimetres on paper per unit of the points.
  double mmPerUnit(double metresPerUnit) const { return 1000.0 * metresPerUnit / scale; }
};

// The standard scales' denominators (1, 2, 2.5 and 5 times a power of ten: 200, 250, 500,
// 1000): the smallest not below `denominator`, and the largest not above it (at least 1).
double standardScaleAtLeast(double denominator);
double standardScaleAtMost(double denominator);

// How far apart the points usually are: the median distance to the nearest other point, of up
// to a few hundred of them spread over the list. Points in the same place are passed over; 0
// when there are not two apart.
double typicalSpacing(const std::vector<PlanPoint>& points);

// Sheets whose windows `widthMm` by `heightMm` cover `points` (in units `metresPerUnit` metres
// long). The scale is the largest standard one at which the whole plan fits one sheet, unless
// the points would stand closer than `readableMm` on it; then the largest standard scale at
// which they stand that far apart (1:100 at the largest), on as many sheets as they need (those
// without points left out), but never more than `mostSheets`: the scale gets smaller rather
// than the sheets more.
PlanSheets planSheets(const std::vector<PlanPoint>& points, double widthMm, double heightMm,
                      double metresPerUnit, double readableMm, std::size_t mostSheets);

}  // namespace check::report
