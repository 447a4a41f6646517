#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "host/model/drawing_description.h"
#include "host/model/raw_groups.h"

namespace host::dxf {

// SOLID and TRACE, filled quadrilaterals (their corners in the order 1, 2, 4, 3) or triangles
// (no fourth corner, or the fourth on the third), and 3DFACE, its visible edges. `toWorld`
// places the entity's block. Nothing for a record that gives no usable plane.
std::optional<model::KeptShapes> keptFace(std::string_view type, const model::RawGroups& groups,
                                          const Eigen::Affine3d& toWorld);

// IMAGE, its frame: from the insertion point along as many pixels as the image is wide (each
// the U vector) and high (each the V vector), in world coordinates placed by `toWorld`. Nothing
// for a record without a size in pixels.
std::optional<model::KeptShapes> keptImageFrame(const model::RawGroups& groups,
                                                const Eigen::Affine3d& toWorld);

}  // namespace host::dxf
