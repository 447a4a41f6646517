#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "check/check_report.h"

class QChartView;
class QHBoxLayout;
class QLabel;
class QTableWidget;

namespace check {

// What a check found, in short: the files, the pairs, the points left unmatched, the
// tolerances and the failures, and the statistics per component of the check's schema (dx,
// dy, dz, dH) in the figures `kestova check` prints, with a histogram of each as the PDF report
// prints it.
class SummaryView : public QWidget {
 public:
  explicit SummaryView(QWidget* parent);

  // `shotCounts` given: the report of a check against a surface or along an alignment, which
  // has shots counted in place of pairs.
  void showReport(const CheckReport& report, const QString& shotCounts = {});

 private:
  // A view per component of `schema`, made anew when the components are others.
  void makeHistogramViews(const survey::ComponentSchema& schema);

  QLabel* overview_;
  QTableWidget* statistics_;
  QHBoxLayout* histogramRow_;
  std::vector<QChartView*> histograms_;
  std::vector<std::string> histogramKeys_;  // the keys of the components they show
};

}  // namespace check
