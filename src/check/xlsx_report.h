#pragma once

#include <filesystem>

#include "check/check_report.h"

namespace check {

// The report as an Excel workbook: a sheet "Summary" (the files, the check, the statistics per
// component), a sheet "Pairs" with a row per pair as in the CSV report, and a sheet "Unmatched"
// with the design points never surveyed and the survey points without design point. Numbers
// are numbers, rounded and shown with the check's decimals (deviations in the report's unit,
// as in the PDF); ids and codes are text. The job's fields head the summary. Writes
// `path` directly; throws std::runtime_error naming it when it cannot be written.
void writeXlsxReport(const std::filesystem::path& path, const CheckReport& report);

// Writes the workbook to `path` whole or not at all, as saveCsvReport does.
void saveXlsxReport(const std::filesystem::path& path, const CheckReport& report);

}  // namespace check
