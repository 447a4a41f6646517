#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "check/check_report.h"

namespace check::report {

struct ListColumn {
  QString header;
  double width = 0.0;  // millimetres
  Qt::Alignment alignment = Qt::AlignRight;
};

// A list of the report as a table: the pairs outside tolerance (or all), the design points never
// surveyed, the survey points without a design point.
struct ReportList {
  QString title;
  std::vector<ListColumn> columns;
  std::vector<QStringList> rows;
  QString whenEmpty;  // what the list says without rows
};

// The report's lists, with the report's numbers.
std::vector<ReportList> reportLists(const CheckReport& report);

}  // namespace check::report
