#pragma once

#include <filesystem>
#include <ostream>

#include "check/surface_run.h"

namespace check {

// A row per shot: id,survey_x,survey_y,survey_z,design_z, a column per component of the
// surface check (dz,dn), status (pass, fail, outside, no-level), failing, survey_code.
// A shot's status as the reports write it: pass, fail, outside or no-level.
const char* surfaceShotStatus(const SurfaceRun& run, std::size_t shot);

void writeSurfaceCsv(std::ostream& out, const SurfaceRun& run);
void saveSurfaceCsv(const std::filesystem::path& path, const SurfaceRun& run);

}  // namespace check
