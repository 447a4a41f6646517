#include "host/geom/transform.h"

#include <cmath>

#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"

namespace host::geom {

Eigen::Affine3d affineFromMatrix(const Eigen::Matrix4d& matrix) {
  if (!matrix.allFinite()) throw InvalidInput("the transformation matrix must be finite");
  if (matrix.row(3) != Eigen::RowVector4d(0, 0, 0, 1)) {
    throw InvalidInput("the transformation matrix must have the last row 0, 0, 0, 1");
  }
  if (isSingular(matrix.topLeftCorner<3, 3>())) {
    throw InvalidInput("the transformation matrix must not be singular");
  }
  Eigen::Affine3d transform;
  transform.matrix() = matrix;
  return transform;
}

bool isSingular(const Eigen::Matrix3d& linear) {
  // Measured on the scaled-down matrix, so that neither a huge nor a tiny scale overflows or
  // underflows the determinant.
  const double size = linear.cwiseAbs().maxCoeff();
  return size == 0.0 || std::abs((linear / size).determinant()) <= 1e-12;
}

Eigen::Affine3d blockPlacement(const Eigen::Vector3d& insertion, const Frame& ocs, double rotation,
                               const Eigen::Vector3d& scale) {
  return Eigen::Translation3d(insertion) * Eigen::Affine3d(ocs.matrix().topLeftCorner<3, 3>()) *
         Eigen::AngleAxisd(rotation, Eigen::Vector3d::UnitZ()) * Eigen::Scaling(scale);
}

Eigen::Affine3d rotationAbout(const Eigen::Vector3d& axisPoint1, const Eigen::Vector3d& axisPoint2,
                              double angle) {
  requireFinite(axisPoint1, "the first axis point");
  requireFinite(axisPoint2, "the second axis point");
  requireFinite(angle, "the rotation angle");
  const Eigen::Vector3d axis = axisPoint2 - axisPoint1;
  if (axis.norm() == 0.0) throw InvalidInput("the rotation axis must not have zero length");
  return Eigen::Translation3d(axisPoint1) * Eigen::AngleAxisd(angle, axis.normalized()) *
         Eigen::Translation3d(-axisPoint1);
}

bool isSimilarity(const Eigen::Affine3d& transform) {
  const Eigen::Matrix3d gram = transform.linear().transpose() * transform.linear();
  const double scale = gram.trace() / 3.0;
  return (gram - scale * Eigen::Matrix3d::Identity()).cwiseAbs().maxCoeff() <= 1e-9 * scale;
}

Eigen::Vector3d transformNormal(const Eigen::Affine3d& transform, const Eigen::Vector3d& normal) {
  const Eigen::Matrix3d& linear = transform.linear();
  Eigen::Vector3d mapped = linear.inverse().transpose() * normal;
  // A reflection turns the mapped plane over: X x Y of the images points the other way.
  if (linear.determinant() < 0) mapped = -mapped;
  return mapped.normalized();
}

}  // namespace host::geom
