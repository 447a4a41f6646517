#pragma once

#include <optional>

#include "host/geom/frame.h"
#include "survey/point.h"

namespace survey {

// The axes deviations are measured along, such as a drawing's UCS, given by the caller.
using host::geom::Frame;

// Survey minus design along the axes of a frame, and the horizontal distance between them.
struct Deviation {
  double dx = 0.0;
  double dy = 0.0;
  std::optional<double> dz;  // none when either point has no height
  double dh = 0.0;           // sqrt(dx² + dy²)
};

// As the dialog's Pick computes a deviation: both points into the frame, the difference along
// each axis, rounded to 15 significant digits. When either point has no height both are taken
// at height 0, and there is no dz.
Deviation deviationOf(const Point& design, const Point& survey, const Frame& frame);

}  // namespace survey
