#pragma once

#include <filesystem>

#include "check/alignment_options.h"
#include "survey/alignment.h"

namespace check {

// The alignment a survey is checked along: a LandXML alignment (`options.name` choosing one),
// or a drawing's polyline on the layer `options.layer`, from `options.startChainage`. A
// LWPOLYLINE or 2D POLYLINE gives lines and arcs (its bulges), a 3D POLYLINE lines and, by its
// heights, the design levels. Throws survey::PointFileError or host::dxf::DxfError naming the
// file, and std::runtime_error naming it with the layer when that holds no polyline or several.
survey::Alignment readAlignmentDesign(const std::filesystem::path& design,
                                      const AlignmentOptions& options);

}  // namespace check
