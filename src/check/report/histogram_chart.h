#pragma once

#include <QtCharts/QChart>

#include "check/check_report.h"
#include "survey/tolerance.h"

namespace check::report {

// The histogram of one component's deviations over every pair, the tolerance marked with red
// lines: the chart the PDF report prints and the check window's summary shows. The caller
// owns it (a QChartView takes it over). Needs a QApplication.
QChart* histogramChart(const CheckReport& report, survey::Component component);

}  // namespace check::report
