#include "survey/deviation.h"

#include <cmath>

#include "numbers/number_format.h"

namespace survey {

Deviation deviationOf(const Point& design, const Point& survey, const Frame& frame) {
  const bool heights = design.z && survey.z;
  const Eigen::Vector3d from = frame.pointToLocal({design.x, design.y, heights ? *design.z : 0.0});
  const Eigen::Vector3d to = frame.pointToLocal({survey.x, survey.y, heights ? *survey.z : 0.0});
  Deviation deviation;
  deviation.dx = numbers::roundedTo15Digits(to.x() - from.x());
  deviation.dy = numbers::roundedTo15Digits(to.y() - from.y());
  if (heights) deviation.dz = numbers::roundedTo15Digits(to.z() - from.z());
  deviation.dh = numbers::roundedTo15Digits(std::hypot(deviation.dx, deviation.dy));
  return deviation;
}

}  // namespace survey
