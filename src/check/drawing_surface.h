#pragma once

#include <filesystem>

#include "check/surface_options.h"
#include "survey/tin_surface.h"

namespace check {

// The design surface a drawing holds in model space: its 3DFACEs and polyface meshes (on
// `options.layer` alone when given); a drawing without faces, its POINTs (on that layer)
// triangulated with the 3D polylines on `options.breaklinesLayer` as breaklines and
// `options.maxEdge` trimming the hull. Throws host::dxf::DxfError for a drawing that cannot be
// read and survey::PointFileError naming the drawing when it holds neither faces nor points.
survey::TinSurface readDrawingSurface(const std::filesystem::path& path,
                                      const SurfaceOptions& options);

}  // namespace check
