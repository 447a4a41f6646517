#pragma once

#include <optional>

#include "host/dxf/kept_shapes.h"

namespace host::dxf {

// A HATCH the document keeps as read: filled when solid, else its pattern's lines (from the
// pattern definition the hatch carries) clipped to its boundary, islands left out. A pattern
// of more lines than the window draws for one hatch shows as a light fill instead. `toWorld`
// places the hatch's block. Nothing when its boundary does not read.
std::optional<model::KeptShapes> keptHatch(const model::RawGroups& groups,
                                           const Eigen::Affine3d& toWorld);

}  // namespace host::dxf
