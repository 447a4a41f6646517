#pragma once

#include <Eigen/Geometry>

#include "host/geom/frame.h"

namespace host::geom {

// The object coordinate system of a planar entity with the given normal (extrusion), by the
// arbitrary-axis rule of the drawing exchange format: the X axis is world Y x N when N is close
// to world Z (|Nx| and |Ny| both below 1/64), else world Z x N. Origin at the world origin.
// Throws InvalidInput for a zero or non-finite normal.
Frame objectCoordinateSystem(const Eigen::Vector3d& normal);

}  // namespace host::geom
