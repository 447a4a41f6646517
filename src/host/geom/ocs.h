#pragma once

#include <Eigen/Geometry>

#include "host/geom/frame.h"

namespace host::geom {

// The object coordinate system of a planar entity with the given normal (extrusion), by the
// arbitrary-axis rule of the drawing exchange format: the X axis is world Y x N when N is close
// to world Z (|Nx| and |Ny| both below 1/64), else world Z x N. Origin at the world origin.
// Throws InvalidInput for a zero or non-finite normal.
Frame objectCoordinateSystem(const Eigen::Vector3d& normal);

// The angle of a direction in the XY plane of `ocs`, from its X axis towards its Y axis, in
// radians (-pi to pi). A direction out of the plane is measured by its shadow on it.
double angleInOcs(const Frame& ocs, const Eigen::Vector3d& direction);

}  // namespace host::geom
