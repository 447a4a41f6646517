#include "host/dxf/placement.h"

#include <cmath>

#include "host/geom/ocs.h"

namespace host::dxf {

using geom::angleInOcs;

InsertParameters insertParameters(const Eigen::Affine3d& placement) {
  const Eigen::Matrix3d linear = placement.linear();
  const Eigen::Vector3d a = linear.col(0);
  const Eigen::Vector3d b = linear.col(1);
  const Eigen::Vector3d c = linear.col(2);
  InsertParameters parameters;
  parameters.normal = c.normalized();
  const geom::Frame ocs = geom::objectCoordinateSystem(parameters.normal);
  // The X axis, in the plane at right angles to the normal.
  const Eigen::Vector3d x = a - a.dot(parameters.normal) * parameters.normal;
  const Eigen::Vector3d u = x.normalized();
  const Eigen::Vector3d v = parameters.normal.cross(u);
  parameters.scale = {a.norm(), b.dot(v), c.norm()};
  parameters.rotation = angleInOcs(ocs, u);
  parameters.insertion = ocs.pointToLocal(placement.translation());
  const double size = linear.cwiseAbs().maxCoeff();
  const double tolerance = 1e-9 * size;
  parameters.exact = std::abs(a.dot(parameters.normal)) <= tolerance &&
                     (b - parameters.scale.y() * v).norm() <= tolerance;
  return parameters;
}

TextParameters textParameters(const Eigen::Affine3d& placement, double height) {
  const Eigen::Vector3d a = placement.linear().col(0);
  const Eigen::Vector3d b = placement.linear().col(1);
  TextParameters parameters;
  parameters.normal = a.cross(b).normalized();
  const geom::Frame ocs = geom::objectCoordinateSystem(parameters.normal);
  const Eigen::Vector3d u = a.normalized();
  const Eigen::Vector3d v = parameters.normal.cross(u);
  const double up = b.dot(v);  // > 0, as the normal is a x b
  parameters.height = height * up;
  parameters.widthFactor = a.norm() / up;
  parameters.oblique = std::atan2(b.dot(u), up);
  parameters.rotation = angleInOcs(ocs, u);
  parameters.insertion = ocs.pointToLocal(placement.translation());
  return parameters;
}

}  // namespace host::dxf
