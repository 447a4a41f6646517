#pragma once

#include <optional>
#include <vector>

#include <Eigen/Geometry>

#include "survey/point.h"

namespace check::draw {

// A text height for a check's labels that suits the layout: a tenth of the median distance
// from each design point to its nearest neighbour (in plan), so that the labels of neighbours
// keep clear of each other, yet between 1/2000 and 1/50 of the layout's size (the larger side of
// the design points' box and the drawing's `extents`, when given), so that it shows on a view of
// the whole. Rounded to a tidy value (1, 2, 2.5 or 5 times a power of ten). Without points
// that set a scale, 1.
double proposedTextHeight(const std::vector<survey::Point>& design,
                          const std::optional<Eigen::AlignedBox2d>& extents = {});

// The value of 1, 2, 2.5 or 5 times a power of ten nearest to `value` (> 0), by ratio, so that
// a spacing measured a hair short of 20 still gives 2.
double tidyValue(double value);

}  // namespace check::draw
