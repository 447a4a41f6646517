#pragma once

#include <Eigen/Core>

namespace survey {

// The axes deviations are measured along: a right-handed orthonormal frame placed in world
// space, such as a drawing's UCS, given by the caller. World coordinates are origin + x * xAxis
// + y * yAxis + z * (xAxis x yAxis).
class Frame {
 public:
  // The world axes.
  Frame() = default;
  // Throws std::invalid_argument when a value is not finite, the origin lies beyond
  // kCoordinateLimit, or the axes are not of unit length at right angles.
  Frame(const Eigen::Vector3d& origin, const Eigen::Vector3d& xAxis, const Eigen::Vector3d& yAxis);

  // A world point in the frame's coordinates, computed exactly as the drawing host translates
  // a point from world into its UCS, so that both give the same bits.
  Eigen::Vector3d toLocal(const Eigen::Vector3d& world) const;

  const Eigen::Vector3d& origin() const { return origin_; }
  const Eigen::Vector3d& xAxis() const { return xAxis_; }
  const Eigen::Vector3d& yAxis() const { return yAxis_; }

 private:
  Eigen::Vector3d origin_ = Eigen::Vector3d::Zero();
  Eigen::Vector3d xAxis_ = Eigen::Vector3d::UnitX();
  Eigen::Vector3d yAxis_ = Eigen::Vector3d::UnitY();
};

}  // namespace survey
