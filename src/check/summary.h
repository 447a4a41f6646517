#pragma once

#include <ostream>

#include "check/check_report.h"

namespace check {

// The short summary on the terminal: the files, the pairs, the points left unmatched and the
// lines skipped, a table of statistics per component, and the pairs outside tolerance.
void writeSummary(std::ostream& out, const CheckReport& report);

}  // namespace check
