#pragma once

#include <string>
#include <string_view>

namespace check {

// The unit the PDF and the workbook give deviations in (--report-units), whatever the unit of
// the point files: the CSV stays in theirs.
enum class ReportUnit { Millimetre, Metre, Foot };

// "mm", "m" or "ft". Throws std::invalid_argument naming the choices.
ReportUnit parseReportUnit(std::string_view text);

// "mm", "m" or "ft".
std::string nameOf(ReportUnit unit);

// How long one unit is: 0.001, 1 and 0.3048 metres.
double metresPer(ReportUnit unit);

}  // namespace check
