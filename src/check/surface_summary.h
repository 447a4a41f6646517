#pragma once

#include <ostream>

#include "check/surface_run.h"

namespace check {

// What `kestova check --against surface` prints: the files, where the shots stand, the
// statistics of dz and dn with the share within tolerance, the shots outside tolerance and
// outside the surface, and the volumes when asked.
void writeSurfaceSummary(std::ostream& out, const SurfaceRun& run);

}  // namespace check
