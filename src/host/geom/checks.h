#pragma once

#include <string_view>

#include <Eigen/Geometry>

// Guards against degenerate input. Each throws host::InvalidInput naming `what`.
namespace host::geom {

void requireFinite(double value, std::string_view what);
void requireFinite(const Eigen::Vector3d& vector, std::string_view what);
// A direction must be finite and of non-zero length.
void requireNonZero(const Eigen::Vector3d& vector, std::string_view what);

}  // namespace host::geom
