#include "check/report_options.h"

#include <stdexcept>

#include "check/check_options.h"
#include "numbers/number_text.h"
#include "survey/coordinate_text.h"

namespace check {
namespace {

// Where each field's option puts its text.
struct FieldOption {
  const char* name;
  std::string ReportFields::*field;
};

constexpr FieldOption kFieldOptions[] = {{"--project", &ReportFields::project},
                                         {"--client", &ReportFields::client},
                                         {"--surveyor", &ReportFields::surveyor},
                                         {"--instrument", &ReportFields::instrument},
                                         {"--coordinate-system", &ReportFields::coordinateSystem},
                                         {"--notes", &ReportFields::notes}};

}  // namespace

bool isValuedReportOption(const std::string& name) {
  for (const FieldOption& option : kFieldOptions) {
    if (name == option.name) return true;
  }
  return name == "--report-units" || name == "--exaggeration";
}

void applyReportOption(ReportOptions& options, const std::string& name, const std::string& value) {
  for (const FieldOption& option : kFieldOptions) {
    if (name == option.name) options.fields.*option.field = value;
  }
  if (name == "--exaggeration") {
    const std::optional<double> factor = numbers::numberIn(value, false);
    if (!factor || *factor <= 0.0) {
      throw UsageError("--exaggeration takes a number greater than 0, not " +
                       survey::inQuotes(value));
    }
    options.exaggeration = factor;
  }
  if (name != "--report-units") return;
  try {
    options.unit = parseReportUnit(value);
  } catch (const std::invalid_argument& e) {
    throw UsageError(name + ": " + e.what());
  }
}

}  // namespace check
