#include "host/geom/frame.h"

#include <cmath>

#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"

namespace host::geom {

Frame Frame::fromDirections(const Eigen::Vector3d& origin, const Eigen::Vector3d& xDirection,
                            const Eigen::Vector3d& yDirection) {
  requireFinite(origin, "the UCS origin");
  requireNonZero(xDirection, "the UCS X axis");
  requireNonZero(yDirection, "the UCS Y axis");
  const Eigen::Vector3d x = xDirection.normalized();
  const Eigen::Vector3d yAlongX = yDirection.normalized();
  const Eigen::Vector3d y = yAlongX - yAlongX.dot(x) * x;
  // Directions closer than about a millionth of a radian are parallel for our purpose: the
  // orthogonalised Y would be mostly rounding noise.
  if (y.norm() < 1e-6) throw InvalidInput("the UCS X and Y axes must not be parallel");
  Frame frame;
  frame.origin_ = origin;
  frame.xAxis_ = x;
  frame.yAxis_ = y.normalized();
  return frame;
}

Frame Frame::fromAxes(const Eigen::Vector3d& origin, const Eigen::Vector3d& xAxis,
                      const Eigen::Vector3d& yAxis) {
  Frame frame = fromDirections(origin, xAxis, yAxis);
  constexpr double kRounding = 1e-14;
  if (std::abs(xAxis.norm() - 1.0) <= kRounding && std::abs(yAxis.norm() - 1.0) <= kRounding &&
      std::abs(xAxis.dot(yAxis)) <= kRounding) {
    frame.xAxis_ = xAxis;
    frame.yAxis_ = yAxis;
  }
  return frame;
}

Frame Frame::fromPoints(const Eigen::Vector3d& origin, const Eigen::Vector3d& xAxisPoint,
                        const Eigen::Vector3d& yAxisPoint) {
  requireFinite(origin, "the UCS origin");
  requireFinite(xAxisPoint, "the UCS X-axis point");
  requireFinite(yAxisPoint, "the UCS Y-axis point");
  return fromDirections(origin, xAxisPoint - origin, yAxisPoint - origin);
}

Eigen::Vector3d Frame::pointToWorld(const Eigen::Vector3d& local) const {
  return origin_ + vectorToWorld(local);
}

Eigen::Vector3d Frame::pointToLocal(const Eigen::Vector3d& world) const {
  return vectorToLocal(world - origin_);
}

Eigen::Vector3d Frame::vectorToWorld(const Eigen::Vector3d& local) const {
  return local.x() * xAxis_ + local.y() * yAxis_ + local.z() * zAxis();
}

Eigen::Vector3d Frame::vectorToLocal(const Eigen::Vector3d& world) const {
  return {world.dot(xAxis_), world.dot(yAxis_), world.dot(zAxis())};
}

Eigen::Matrix4d Frame::matrix() const {
  Eigen::Matrix4d m = Eigen::Matrix4d::Identity();
  m.block<3, 1>(0, 0) = xAxis_;
  m.block<3, 1>(0, 1) = yAxis_;
  m.block<3, 1>(0, 2) = zAxis();
  m.block<3, 1>(0, 3) = origin_;
  return m;
}

}  // namespace host::geom
