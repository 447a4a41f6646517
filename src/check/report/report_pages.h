#pragma once

#include <QDateTime>
#include <QStringList>
#include <QtCharts/QChart>
#include <utility>
#include <vector>

#include "check/check_report.h"
#include "check/report/pagination.h"
#include "check/report/plan_layout.h"
#include "check/report/report_canvas.h"
#include "check/report/report_list.h"

// The pages of the PDF report, each drawn on the canvas's current page.
namespace check::report {

// The files, date, match mode, UCS, tolerances and the statistics table.
void drawFirstPage(ReportCanvas& canvas, const CheckReport& report, const QDateTime& date);

// What a first page says beside the report's fields, warnings and statistics.
struct FirstPage {
  QString title;
  QStringList verdict;                                   // a line each
  bool passed = false;                                   // the verdict in green, else in red
  std::vector<std::pair<QString, QString>> particulars;  // label and value, a line each
  QString counted = QStringLiteral("pairs");             // what the statistics count
  QString largestAt = QStringLiteral("at point");
};
void drawFirstPage(ReportCanvas& canvas, const CheckReport& report, const FirstPage& page);
// All the plan's points small and its sheets' outlines, numbered, where there are several.
void drawKeyPlanPage(ReportCanvas& canvas, const CheckReport& report, const PlanLayout& layout);
// One sheet of the plan: the pairs in plan, their vectors exaggerated and coloured by their
// verdict, their ids where they find room and listed below where they do not.
void drawPlanPage(ReportCanvas& canvas, const CheckReport& report, const PlanLayout& layout,
                  std::size_t sheet);
// A histogram per component.
void drawHistogramPage(ReportCanvas& canvas, const CheckReport& report);
// Lays `chart` out at the size of `place` (millimetres) and draws it there; takes it over.
void drawChart(ReportCanvas& canvas, QChart* chart, const QRectF& place);
// One page of the lists of points outside tolerance and unmatched.
void drawListPage(ReportCanvas& canvas, const std::vector<ReportList>& lists, const ListPage& page);

// How many rows the list pages hold.
std::size_t linesPerListPage();

}  // namespace check::report
