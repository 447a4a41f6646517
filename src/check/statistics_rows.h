#pragma once

#include <string>
#include <vector>

#include "check/check_report.h"

namespace check {

// The statistics of a check as the summary and the check window show them: a row per
// component (dx, dy, dz, dH), its cells the name, n, mean, standard deviation, RMS, min, max,
// the largest magnitude and the id it is at, the 95th percentile and the count within
// tolerance with its share ("2 (66.7%)"); "-" where there is nothing to show.
std::vector<std::vector<std::string>> statisticsRows(const CheckReport& report);

}  // namespace check
