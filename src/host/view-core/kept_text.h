#pragma once

#include <optional>

#include "host/model/raw_groups.h"
#include "host/model/world_geometry.h"
#include "host/view-core/canvas.h"

namespace host::view {

// Where a text's origin lies on it from bottom to top: on the baseline, at the bottom of the
// descenders, halfway up the capitals or at their top. For text of several lines the bottom
// and the middle are those of the whole block and the top that of its first line.
enum class TextVertical { Baseline, Bottom, Middle, Top };

struct TextLayout {
  TextFit fit;
  TextVertical vertical = TextVertical::Baseline;
  // Content with multi-line text's formatting codes, else a single line's %% codes.
  bool multiLine = false;
};

// A text ready to be drawn: where it is, and how it lies about its origin.
struct PlacedText {
  model::WorldText text;
  TextLayout layout;
};

// A single-line text the document keeps as read (aligned other than left on the baseline), an
// attribute or an attribute definition: `type` TEXT, ATTRIB or ATTDEF, its record starting at
// group `first`, `toWorld` placing its block. An attribute definition shows its tag. Nothing
// for an invisible attribute or a record that gives no usable plane.
std::optional<PlacedText> keptLineText(std::string_view type, const model::RawGroups& groups,
                                       std::size_t first, const Eigen::Affine3d& toWorld);

// Multi-line text kept as read, for its attachment point other than top left.
std::optional<PlacedText> keptMText(const model::RawGroups& groups, const Eigen::Affine3d& toWorld);

}  // namespace host::view
