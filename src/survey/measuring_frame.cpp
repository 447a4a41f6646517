#include "survey/measuring_frame.h"

#include <cmath>
#include <stdexcept>

#include "survey/point.h"

namespace survey {

host::geom::Frame measuringFrame(const Eigen::Vector3d& origin, const Eigen::Vector3d& xAxis,
                                 const Eigen::Vector3d& yAxis) {
  if (!origin.allFinite() || !xAxis.allFinite() || !yAxis.allFinite()) {
    throw std::invalid_argument("the frame has a value that is not a number");
  }
  if (origin.cwiseAbs().maxCoeff() > kCoordinateLimit) {
    throw std::invalid_argument("the frame's origin lies beyond ±1e12");
  }
  // Axes as a drawing file gives them back are unit length and at right angles to within
  // rounding; anything further off is not a frame.
  constexpr double kRounding = 1e-9;
  if (std::abs(xAxis.norm() - 1.0) > kRounding || std::abs(yAxis.norm() - 1.0) > kRounding ||
      std::abs(xAxis.dot(yAxis)) > kRounding) {
    throw std::invalid_argument("the frame's axes are not of unit length at right angles");
  }
  return host::geom::Frame::fromAxes(origin, xAxis, yAxis);
}

}  // namespace survey
