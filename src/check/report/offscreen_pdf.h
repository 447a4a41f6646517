#pragma once

#include <filesystem>

#include "check/alignment_run.h"
#include "check/check_report.h"
#include "check/surface_run.h"

namespace check::report {

// The PDF report of `kestova check --pdf`, dated now. Drawn without a window: when the program
// has no application yet, in an offscreen one of its own, so that no display is needed.
void savePdfReportOffscreen(const std::filesystem::path& path, const CheckReport& report);

// The PDF report of `kestova check --against surface --pdf`, dated now, drawn as above;
// `report` is the run's, with what the PDF adds for sign-off.
void saveSurfacePdfReportOffscreen(const std::filesystem::path& path, const SurfaceRun& run,
                                   const CheckReport& report);

// The same of a check along an alignment.
void saveAlignmentPdfReportOffscreen(const std::filesystem::path& path, const AlignmentRun& run,
                                     const CheckReport& report);

}  // namespace check::report
