#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "host/model/raw_groups.h"
#include "host/model/world_geometry.h"

namespace host::view {

// A filled area in world coordinates: closed loops filled by the even-odd rule.
struct KeptArea {
  std::vector<model::WorldPolyline> loops;
  bool light = false;  // stands for a pattern too dense to draw
};

// What an entity the document keeps as read draws, in world coordinates: lines and filled
// areas.
struct KeptShapes {
  std::vector<model::WorldPolyline> outlines;
  std::vector<KeptArea> areas;

  bool empty() const { return outlines.empty() && areas.empty(); }
};

// SOLID and TRACE, filled quadrilaterals (their corners in the order 1, 2, 4, 3) or triangles
// (no fourth corner, or the fourth on the third), and 3DFACE, its visible edges. `toWorld`
// places the entity's block. Nothing for a record that gives no usable plane.
std::optional<KeptShapes> keptFace(std::string_view type, const model::RawGroups& groups,
                                   const Eigen::Affine3d& toWorld);

// IMAGE, its frame: from the insertion point along as many pixels as the image is wide (each
// the U vector) and high (each the V vector), in world coordinates placed by `toWorld`. Nothing
// for a record without a size in pixels.
std::optional<KeptShapes> keptImageFrame(const model::RawGroups& groups,
                                         const Eigen::Affine3d& toWorld);

}  // namespace host::view
