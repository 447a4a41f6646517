#pragma once

#include <Eigen/Geometry>

#include "host/geom/frame.h"

// Affine transformations as the drawing applies them to its entities.
namespace host::geom {

// Validates a 4x4 matrix as an affine transformation: finite, last row (0, 0, 0, 1) and an
// invertible linear part. Throws InvalidInput otherwise.
Eigen::Affine3d affineFromMatrix(const Eigen::Matrix4d& matrix);

// Turn by `angle` radians about the axis from `axisPoint1` to `axisPoint2`, positive by the
// right-hand rule. Throws InvalidInput for a zero-length axis or a non-finite value.
Eigen::Affine3d rotationAbout(const Eigen::Vector3d& axisPoint1, const Eigen::Vector3d& axisPoint2,
                              double angle);

// Whether a linear map flattens space, relative to its own size: a tiny but regular scale is
// not singular, and no scale overflows or underflows the test.
bool isSingular(const Eigen::Matrix3d& linear);

// Where a block's coordinates go in the world: scaled along the block's axes by `scale`, turned
// by `rotation` radians about Z, laid in the plane of `ocs` and moved to `insertion` (world).
Eigen::Affine3d blockPlacement(const Eigen::Vector3d& insertion, const Frame& ocs, double rotation,
                               const Eigen::Vector3d& scale);

// Whether the linear part scales every direction by the same factor (rotation, reflection and
// uniform scale only), within a relative tolerance.
bool isSimilarity(const Eigen::Affine3d& transform);

// How a transformation maps a plane's normal: the inverse transpose of its linear part,
// normalised. Keeps the normal on the side that X x Y of the mapped plane gives.
Eigen::Vector3d transformNormal(const Eigen::Affine3d& transform, const Eigen::Vector3d& normal);

}  // namespace host::geom
