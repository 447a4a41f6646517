#pragma once

#include <QWidget>
#include <vector>

#include "check/check_report.h"

class QChartView;
class QLabel;
class QTableWidget;

namespace check {

// What a check found, in short: the files, the pairs, the points left unmatched, the
// tolerances and the failures, and the statistics per component (dx, dy, dz, dH) in the
// figures `kestova check` prints, with a histogram of each as the PDF report prints it.
class SummaryView : public QWidget {
 public:
  explicit SummaryView(QWidget* parent);

  void showReport(const CheckReport& report);

 private:
  QLabel* overview_;
  QTableWidget* statistics_;
  std::vector<QChartView*> histograms_;
};

}  // namespace check
