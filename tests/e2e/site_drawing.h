#pragma once

#include <Eigen/Core>
#include <filesystem>
#include <vector>

#include "host/model/ucs_table.h"

namespace e2e {

// The drawing a surveyor brings: design and survey points as POINT entities, a length
// precision, and the UCS the site is set out in, current when the file is opened.
struct SiteDrawing {
  int luprec = 3;
  // Current UCS; a named one is also kept in the drawing's UCS table.
  host::model::Ucs ucs;
  // World coordinates.
  std::vector<Eigen::Vector3d> points;
};

// Writes it as a drawing file with the program's own writer.
void writeSiteDrawing(const SiteDrawing& site, const std::filesystem::path& path);

}  // namespace e2e
