#pragma once

#include <Eigen/Core>
#include <vector>

#include "survey/horizontal_alignment.h"

namespace check::report {

// One sheet of the plan along an alignment: a range of chainage, turned so that the line runs
// from the left of the frame to its right, at a standard scale.
struct AlignmentSheet {
  double fromChainage = 0.0;
  double toChainage = 0.0;
  // Anticlockwise, what the plan is turned by on the page: the sheet's chord then runs along
  // the page's x.
  double turn = 0.0;
  double metresPerMm = 1.0;  // 1:1000 is 1
  Eigen::Vector2d centre;    // the plan's point at the frame's centre

  // Where a point of the plan lands, in millimetres from the frame's centre, y up.
  Eigen::Vector2d onPaper(const Eigen::Vector2d& p) const;
};

// The plan's least scale that still reads: 1:2000.
inline constexpr double kMostMetresPerMm = 2.0;

// The sheets that show `alignment` and `halfWidth` either side of it in a frame `widthMm` by
// `heightMm`: one, at the largest standard scale that holds it all, when that scale reads;
// otherwise as many as it takes of equal round lengths of chainage from its start (the last
// one shorter), each at the largest standard scale that holds its range.
std::vector<AlignmentSheet> alignmentSheets(const survey::HorizontalAlignment& alignment,
                                            double halfWidth, double widthMm, double heightMm);

}  // namespace check::report
