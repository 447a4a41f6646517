#pragma once

#include <ostream>

#include "check/check_report.h"

namespace check {

// The short summary on the terminal: the files, the pairs, the points left unmatched and the
// lines skipped, a table of statistics per component, and the pairs outside tolerance.
void writeSummary(std::ostream& out, const CheckReport& report);

// "Survey: NAME, N shots", or each of its files with its count when several were read as one;
// how each was read. Every check's summary opens with it.
void writeSurvey(std::ostream& out, const survey::PointFile& surveyed);

// The statistics of every component of `report`, a row each, long ids cut short.
void writeStatistics(std::ostream& out, const CheckReport& report);

// "Tolerances: ...", then a line for each code with tolerances of its own.
void writeTolerances(std::ostream& out, const CheckReport& report);

}  // namespace check
