#pragma once

#include <QDateTime>
#include <QStringList>
#include <utility>
#include <vector>

#include "check/check_report.h"
#include "check/report/pagination.h"
#include "check/report/report_canvas.h"
#include "check/report/report_list.h"

// The pages of the PDF report, each drawn on the canvas's current page.
namespace check::report {

// What a first page says above the job's fields and the statistics.
struct FirstPageText {
  QString title;
  QStringList verdict;  // a line each, green when `passed`, else red
  bool passed = false;
  std::vector<std::pair<QString, QString>> particulars;  // what was checked, and how
  QString counted;                                       // what the statistics count: "n (pairs)"
};

// The files, date, match mode, UCS, tolerances and the statistics table.
void drawFirstPage(ReportCanvas& canvas, const CheckReport& report, const QDateTime& date);
// The job's fields, `text`, the report's warnings and its statistics table.
void drawFirstPage(ReportCanvas& canvas, const CheckReport& report, const FirstPageText& text);
// Every pair in plan, its vector exaggerated and coloured by its verdict.
void drawPlanPage(ReportCanvas& canvas, const CheckReport& report);
// A histogram per component.
void drawHistogramPage(ReportCanvas& canvas, const CheckReport& report);
// One page of the lists of points outside tolerance and unmatched.
void drawListPage(ReportCanvas& canvas, const std::vector<ReportList>& lists, const ListPage& page);

// How many rows the list pages hold.
std::size_t linesPerListPage();

}  // namespace check::report
