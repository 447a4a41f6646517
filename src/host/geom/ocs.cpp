#include "host/geom/ocs.h"

#include <cmath>

#include "host/geom/checks.h"

namespace host::geom {

Frame objectCoordinateSystem(const Eigen::Vector3d& normal) {
  requireNonZero(normal, "the extrusion direction");
  const Eigen::Vector3d n = normal.normalized();
  constexpr double kLimit = 1.0 / 64.0;
  const Eigen::Vector3d x = (std::abs(n.x()) < kLimit && std::abs(n.y()) < kLimit)
                                ? Eigen::Vector3d::UnitY().cross(n)
                                : Eigen::Vector3d::UnitZ().cross(n);
  return Frame::fromDirections(Eigen::Vector3d::Zero(), x, n.cross(x));
}

double angleInOcs(const Frame& ocs, const Eigen::Vector3d& direction) {
  return std::atan2(direction.dot(ocs.yAxis()), direction.dot(ocs.xAxis()));
}

}  // namespace host::geom
