#include "survey/deviation.h"

#include <cmath>

#include "form/number_format.h"

namespace survey {

Deviation deviationOf(const Point& design, const Point& survey, const Frame& frame) {
  const bool heights = design.z && survey.z;
  const Eigen::Vector3d from = frame.toLocal({design.x, design.y, heights ? *design.z : 0.0});
  const Eigen::Vector3d to = frame.toLocal({survey.x, survey.y, heights ? *survey.z : 0.0});
  Deviation deviation;
  deviation.dx = form::roundedTo15Digits(to.x() - from.x());
  deviation.dy = form::roundedTo15Digits(to.y() - from.y());
  if (heights) deviation.dz = form::roundedTo15Digits(to.z() - from.z());
  deviation.dh = form::roundedTo15Digits(std::hypot(deviation.dx, deviation.dy));
  return deviation;
}

}  // namespace survey
