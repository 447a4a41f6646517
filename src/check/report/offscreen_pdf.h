#pragma once

#include <filesystem>

#include "check/check_report.h"

namespace check::report {

// The PDF report of `kestova check --pdf`, dated now. Drawn without a window: when the program
// has no application yet, in an offscreen one of its own, so that no display is needed.
void savePdfReportOffscreen(const std::filesystem::path& path, const CheckReport& report);

}  // namespace check::report
