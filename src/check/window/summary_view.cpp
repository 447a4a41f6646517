#include "check/window/summary_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "check/statistics_rows.h"

namespace check {
namespace {

// The cell of a statistics row that holds the id of the largest value.
constexpr std::size_t kIdCell = 8;

QString qText(const std::string& text) {
  return QString::fromStdString(text);
}

QString tolerancesText(const CheckReport& report) {
  QStringList limits;
  for (const survey::Component component : survey::kComponents) {
    if (const auto& limit = report.tolerances[component]) {
      limits << QString("%1 %2").arg(QChar(survey::letterOf(component)),
                                     qText(report.number(*limit)));
    }
  }
  return limits.isEmpty() ? "none" : limits.join(", ");
}

QString overviewOf(const CheckReport& report) {
  std::size_t repeated = 0;
  for (const survey::Pair& pair : report.pairing.pairs) repeated += pair.survey.shots > 1 ? 1 : 0;
  const std::size_t skipped = report.design.skippedCount + report.survey.skippedCount;
  QStringList lines;
  lines << QString("Design: %1, %2 points")
               .arg(qText(report.design.name))
               .arg(report.design.points.size());
  lines << QString("Survey: %1, %2 shots")
               .arg(qText(report.survey.name))
               .arg(report.survey.points.size());
  QString pairs =
      QString("Pairs: %1, %2").arg(report.pairing.pairs.size()).arg(qText(report.matching));
  if (repeated > 0) pairs += QString(" (%1 from several shots)").arg(repeated);
  lines << pairs;
  lines << QString("Never surveyed: %1; no design point: %2")
               .arg(report.pairing.unmatchedDesign.size())
               .arg(report.pairing.unmatchedSurvey.size());
  if (skipped > 0) lines << QString("Lines skipped: %1").arg(skipped);
  lines << QString("Deviations: survey minus design along %1, %2 decimals")
               .arg(qText(report.frame))
               .arg(report.decimals);
  lines << "Tolerances: " + tolerancesText(report);
  lines << QString("Outside tolerance: %1 of %2 pairs")
               .arg(report.comparison.failed)
               .arg(report.comparison.pairs.size());
  return lines.join('\n');
}

}  // namespace

SummaryView::SummaryView(QWidget* parent)
    : QWidget(parent), overview_(new QLabel(this)), statistics_(new QTableWidget(this)) {
  overview_->setObjectName("overview");
  overview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statistics_->setObjectName("statistics");
  statistics_->setColumnCount(10);
  statistics_->setHorizontalHeaderLabels(
      {"n", "Mean", "Std dev", "RMS", "Min", "Max", "Largest", "At", "95%", "Within tolerance"});
  statistics_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  statistics_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(overview_);
  layout->addWidget(statistics_, 1);
}

void SummaryView::showReport(const CheckReport& report) {
  overview_->setText(overviewOf(report));
  const std::vector<std::vector<std::string>> rows = statisticsRows(report);
  statistics_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int row = static_cast<int>(r);
    statistics_->setVerticalHeaderItem(row, new QTableWidgetItem(qText(rows[r][0])));
    for (std::size_t c = 1; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(qText(rows[r][c]));
      item->setTextAlignment((c == kIdCell ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
      statistics_->setItem(row, static_cast<int>(c) - 1, item);
    }
  }
}

}  // namespace check
