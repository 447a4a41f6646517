#pragma once

#include <filesystem>

#include "host/geom/frame.h"

namespace check::fixtures {

// The current UCS of the site drawing: turned and tilted, far from the world origin.
host::geom::Frame currentSiteUcs();
// Its named UCS "SITE": X along world Y, Y along world -X, origin at (1000, 2000, 0).
host::geom::Frame namedSiteUcs();

// Saves the site drawing (those two UCSs, a precision of 4 decimals) at `path`.
void saveSiteDrawing(const std::filesystem::path& path);

}  // namespace check::fixtures
