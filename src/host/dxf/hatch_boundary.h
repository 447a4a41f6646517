#pragma once

#include <optional>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/raw_groups.h"

namespace host::dxf {

// The boundary paths of a HATCH record kept as read, as closed loops of points in the hatch's
// object coordinate system: polyline paths with their bulges, edge paths of lines, circular
// and elliptic arcs (in short chords) and splines (their fit points, or else their control
// points). `next` comes back at the group after the last path. Nothing when the groups do not
// read as the paths they announce.
std::optional<std::vector<std::vector<Eigen::Vector2d>>> hatchBoundary(
    const model::RawGroups& groups, std::size_t& next);

}  // namespace host::dxf
