#pragma once

#include <optional>

#include "host/model/raw_groups.h"
#include "host/model/world_geometry.h"

namespace host::dxf {

// A SPLINE the document keeps as read, as a polyline of short chords: the curve of its
// control points, knots and weights, or, without control points, the line through its fit
// points. `toWorld` places its block. Nothing when its groups do not make a curve.
std::optional<model::WorldPolyline> keptSpline(const model::RawGroups& groups,
                                               const Eigen::Affine3d& toWorld);

}  // namespace host::dxf
