#pragma once

#include <cstdint>

#include <Eigen/Geometry>

namespace cad {

// A point or a vector in drawing units: three doubles, world or UCS coordinates as the caller says.
using Point3 = Eigen::Vector3d;

// A 4x4 transformation matrix, row-major in meaning: m(row, column), translation in column 3.
using Matrix4 = Eigen::Matrix4d;

// Coordinate-system codes of TranslateCoordinates.
inline constexpr int kWorld = 0;
inline constexpr int kUcs = 1;

// The colour of an entity or a layer: an index into the standard colour table, 1 to 255, or for
// an entity one of these two.
using Color = std::int32_t;
inline constexpr Color kByBlock = 0;    // the colour of the block reference that shows it
inline constexpr Color kByLayer = 256;  // the colour of its layer

}  // namespace cad
