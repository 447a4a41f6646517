#pragma once

#include <filesystem>

#include "check/check_report.h"
#include "check/surface_run.h"

namespace check {

// A surface check as an Excel workbook: a sheet "Summary" (the job's fields, the files, the
// shots on and off the surface, the tolerances, the statistics of dz and dn) and a sheet "Shots"
// with the CSV's columns in its order, a row per shot. Numbers are numbers shown with the
// check's decimals, dz and dn in the unit of `report` (its fields and --report-units; made from
// run.report()). Writes `path` directly; throws std::runtime_error naming it when it cannot.
void writeSurfaceXlsx(const std::filesystem::path& path, const SurfaceRun& run,
                      const CheckReport& report);

}  // namespace check
