#pragma once

#include <Eigen/Geometry>

// Affine transformations as the drawing applies them to its entities.
namespace host::geom {

// Validates a 4x4 matrix as an affine transformation: finite, last row (0, 0, 0, 1) and an
// invertible linear part. Throws InvalidInput otherwise.
Eigen::Affine3d affineFromMatrix(const Eigen::Matrix4d& matrix);

// Turn by `angle` radians about the axis from `axisPoint1` to `axisPoint2`, positive by the
// right-hand rule. Throws InvalidInput for a zero-length axis or a non-finite value.
Eigen::Affine3d rotationAbout(const Eigen::Vector3d& axisPoint1, const Eigen::Vector3d& axisPoint2,
                              double angle);

// Whether the linear part scales every direction by the same factor (rotation, reflection and
// uniform scale only), within a relative tolerance.
bool isSimilarity(const Eigen::Affine3d& transform);

// How a transformation maps a plane's normal: the inverse transpose of its linear part,
// normalised. Keeps the normal on the side that X x Y of the mapped plane gives.
Eigen::Vector3d transformNormal(const Eigen::Affine3d& transform, const Eigen::Vector3d& normal);

}  // namespace host::geom
