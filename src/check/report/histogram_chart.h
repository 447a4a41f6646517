#pragma once

#include <QtCharts/QChart>

#include <cstddef>

#include "check/check_report.h"

namespace check::report {

// The histogram of the values of component `component` of the report's schema over every
// pair, the tolerance marked with red lines, in the report's unit where it names one: the chart
// the PDF report prints and the check window's summary shows. The caller owns it (a QChartView
// takes it over). Needs a QApplication. `counted` names what the values are of.
QChart* histogramChart(const CheckReport& report, std::size_t component,
                       const QString& counted = QStringLiteral("pairs"));

}  // namespace check::report
