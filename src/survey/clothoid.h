#pragma once

#include <Eigen/Core>

// Paths whose curvature changes linearly along their length: a clothoid spiral, and with a
// constant curvature a circular arc or a line. Headings are in radians anticlockwise from
// world X (east); curvature is positive where the path turns left.
namespace survey {

// Where a path ends up after `length` from a start at the origin with heading `heading` and
// curvature `curvature`, its curvature changing by `rate` per unit of length: the integral of
// (cos φ, sin φ) with φ(t) = heading + curvature·t + rate·t²/2. Gauss-Legendre quadrature on
// pieces short enough that the error stays far below 1e-9 of the length.
Eigen::Vector2d curvedPathEnd(double heading, double curvature, double rate, double length);

}  // namespace survey
