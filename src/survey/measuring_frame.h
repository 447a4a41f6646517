#pragma once

#include <Eigen/Core>

#include "host/geom/frame.h"

namespace survey {

// A frame deviations are measured along, such as a drawing's UCS, given by its origin and axes
// (world coordinates). Axes at right angles and of unit length to within rounding, as a drawing
// file gives them back, are kept bit for bit, so that a point is measured along the frame with
// the very bits the drawing host translates it with. Throws std::invalid_argument when a value
// is not finite, the origin lies beyond kCoordinateLimit, or the axes are further off.
host::geom::Frame measuringFrame(const Eigen::Vector3d& origin, const Eigen::Vector3d& xAxis,
                                 const Eigen::Vector3d& yAxis);

}  // namespace survey
