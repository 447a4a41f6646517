#pragma once

#include <optional>
#include <string_view>

#include "host/dxf/kept_shapes.h"

namespace host::dxf {

// A polyline the document keeps as read: LWPOLYLINE, or POLYLINE with its VERTEX records.
// Segments with a width are filled bands (straight or following their bulge), fitted curves
// show their fitted vertices, meshes and polyface meshes their edges. `toWorld` places the
// entity's block. Nothing for a record that gives no usable plane.
std::optional<model::KeptShapes> keptPolyline(std::string_view type, const model::RawGroups& groups,
                                              const Eigen::Affine3d& toWorld);

}  // namespace host::dxf
