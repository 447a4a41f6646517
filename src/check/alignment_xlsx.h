#pragma once

#include <filesystem>

#include "check/alignment_run.h"
#include "check/check_report.h"

namespace check {

// A check along an alignment as an Excel workbook: a sheet "Summary" (the job's fields, the
// files, the alignment, the shots along it and outside it, the tolerances, the statistics of
// doffset and dz) and a sheet "Shots" with the CSV's columns in its order, a row per shot in
// order of chainage. Numbers are numbers shown with the check's decimals, doffset and dz in the
// unit of `report` (its fields and --report-units; made from run.report()). Writes `path`
// directly; throws std::runtime_error naming it when it cannot.
void writeAlignmentXlsx(const std::filesystem::path& path, const AlignmentRun& run,
                        const CheckReport& report);

}  // namespace check
