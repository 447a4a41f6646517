#pragma once

#include <optional>
#include <string>

#include "check/report_fields.h"
#include "check/report_unit.h"

// The options of `kestova check` that say what its PDF and workbook add for sign-off: the job's
// fields (--project, --client, --surveyor, --instrument, --coordinate-system, --notes), every
// pair listed (--all-pairs), the unit of the deviations (--report-units) and how much longer
// than life the plan draws the vectors (--exaggeration).
namespace check {

struct ReportOptions {
  ReportFields fields;
  bool allPairs = false;
  std::optional<ReportUnit> unit;
  std::optional<double> exaggeration;  // of the plan's vectors
};

// Whether `name` is one of these options that takes a value.
bool isValuedReportOption(const std::string& name);

// Sets the option `name` to `value`. Throws UsageError for a value it cannot take.
void applyReportOption(ReportOptions& options, const std::string& name, const std::string& value);

}  // namespace check
