#pragma once

#include <functional>
#include <vector>

#include <Eigen/Geometry>

namespace host::view {

// Whether a dash pattern in pixels (positive dashes, negative gaps, 0 dots) shows as dashes:
// every dash and gap at least a pixel long. Else a line of it is drawn continuous.
bool showsDashes(const std::vector<double>& pattern);

// The dashes of a polyline in screen pixels drawn with `pattern` (showsDashes), the pattern
// starting at its first point and running on around corners. Only what lies inside `box`
// is given, each dash as a polyline to `dash`; a dot is a dash a pixel long.
void dashPolyline(const std::vector<Eigen::Vector2d>& points, bool closed,
                  const std::vector<double>& pattern, const Eigen::AlignedBox2d& box,
                  const std::function<void(const std::vector<Eigen::Vector2d>&)>& dash);

}  // namespace host::view
