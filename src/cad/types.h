#pragma once

#include <Eigen/Geometry>

namespace cad {

// A point or a vector in drawing units: three doubles, world or UCS coordinates as the caller says.
using Point3 = Eigen::Vector3d;

// A 4x4 transformation matrix, row-major in meaning: m(row, column), translation in column 3.
using Matrix4 = Eigen::Matrix4d;

// Coordinate-system codes of TranslateCoordinates.
inline constexpr int kWorld = 0;
inline constexpr int kUcs = 1;

}  // namespace cad
