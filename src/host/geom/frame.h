#pragma once

#include <Eigen/Geometry>

namespace host::geom {

// A right-handed orthonormal coordinate system placed in world space, such as a UCS: world
// coordinates are origin + x * xAxis + y * yAxis + z * zAxis.
class Frame {
 public:
  // The world frame.
  Frame() = default;

  // Axes along the two directions, Y orthogonalised against X, Z = X x Y. Throws InvalidInput
  // for a non-finite value, a zero direction or parallel directions.
  static Frame fromDirections(const Eigen::Vector3d& origin, const Eigen::Vector3d& xDirection,
                              const Eigen::Vector3d& yDirection);
  // Axes kept bit for bit when they are unit length and at right angles to within rounding
  // (as a file gives them back), so that saving and reading a frame changes nothing;
  // otherwise as fromDirections.
  static Frame fromAxes(const Eigen::Vector3d& origin, const Eigen::Vector3d& xAxis,
                        const Eigen::Vector3d& yAxis);
  // Axes running from `origin` to the two points.
  static Frame fromPoints(const Eigen::Vector3d& origin, const Eigen::Vector3d& xAxisPoint,
                          const Eigen::Vector3d& yAxisPoint);

  const Eigen::Vector3d& origin() const { return origin_; }
  const Eigen::Vector3d& xAxis() const { return xAxis_; }
  const Eigen::Vector3d& yAxis() const { return yAxis_; }
  Eigen::Vector3d zAxis() const { return xAxis_.cross(yAxis_); }

  Eigen::Vector3d pointToWorld(const Eigen::Vector3d& local) const;
  Eigen::Vector3d pointToLocal(const Eigen::Vector3d& world) const;
  Eigen::Vector3d vectorToWorld(const Eigen::Vector3d& local) const;
  Eigen::Vector3d vectorToLocal(const Eigen::Vector3d& world) const;

  // Local to world: columns X, Y, Z axes and the origin.
  Eigen::Matrix4d matrix() const;

  friend bool operator==(const Frame&, const Frame&) = default;

 private:
  Eigen::Vector3d origin_ = Eigen::Vector3d::Zero();
  Eigen::Vector3d xAxis_ = Eigen::Vector3d::UnitX();
  Eigen::Vector3d yAxis_ = Eigen::Vector3d::UnitY();
};

}  // namespace host::geom
