#pragma once

#include <filesystem>
#include <ostream>

#include "check/check_report.h"

namespace check {

// One row per pair, then one per unmatched design point and per unmatched survey point, under
// the header id,design_x,design_y,design_z,survey_x,survey_y,survey_z,shots, a column per
// component of the schema (dx,dy,dz,dh), status,failing, then design_code,survey_code,
// survey_file,survey_line (where the survey point, its first shot or the last one kept, was
// read) and a spread column per component (spread_dx,...: the largest minus the smallest value
// of a pair's repeated shots, empty for a single shot). Coordinates are world coordinates as
// read, deviations along the report's frame.
void writeCsvReport(std::ostream& out, const CheckReport& report);

// Writes the CSV report to `path` whole or not at all: into a file beside it that then
// replaces it. Throws std::runtime_error naming the file when it cannot be written.
void saveCsvReport(const std::filesystem::path& path, const CheckReport& report);

}  // namespace check
