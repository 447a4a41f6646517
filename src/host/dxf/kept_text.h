#pragma once

#include <optional>

#include "host/model/raw_groups.h"
#include "host/model/text_layout.h"

namespace host::dxf {

// A single-line text the document keeps as read (aligned other than left on the baseline), an
// attribute or an attribute definition: `type` TEXT, ATTRIB or ATTDEF, its record starting at
// group `first`, `toWorld` placing its block. An attribute definition shows its tag. Nothing
// for an invisible attribute or a record that gives no usable plane.
std::optional<model::PlacedText> keptLineText(std::string_view type, const model::RawGroups& groups,
                                              std::size_t first, const Eigen::Affine3d& toWorld);

// Multi-line text kept as read, for its attachment point other than top left.
std::optional<model::PlacedText> keptMText(const model::RawGroups& groups,
                                           const Eigen::Affine3d& toWorld);

}  // namespace host::dxf
