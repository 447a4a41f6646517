#pragma once

#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "host/geom/frame.h"

// What ID and DIST tell, as lines for the command line, lengths with `decimals` decimals.
namespace host::view {

// A point in the current UCS and in world: "UCS X = 1.000  Y = 2.000  Z = 3.000".
std::vector<std::string> describePoint(const Eigen::Vector3d& world, const geom::Frame& ucs,
                                       int decimals);

// The distance between two points, its parts in the UCS's XY plane and along its Z axis, the
// differences in UCS X, Y and Z, and the bearing in the UCS: clockwise from its Y axis (grid
// north in a plan), in degrees, minutes and seconds.
std::vector<std::string> describeDistance(const Eigen::Vector3d& from, const Eigen::Vector3d& to,
                                          const geom::Frame& ucs, int decimals);

// 36°52'12" for 36.87 degrees, to the nearest second; 0 to 360 exclusive.
std::string degreesMinutesSeconds(double degrees);

}  // namespace host::view
