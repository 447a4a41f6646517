#pragma once

#include <filesystem>
#include <ostream>

#include "check/surface_run.h"

namespace check {

// A row per shot: id,survey_x,survey_y,survey_z,design_z, a column per component of the
// surface check (dz,dn), status (pass, fail, outside, no-level), failing, survey_code.
void writeSurfaceCsv(std::ostream& out, const SurfaceRun& run);
void saveSurfaceCsv(const std::filesystem::path& path, const SurfaceRun& run);

}  // namespace check
