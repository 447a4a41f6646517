#include "check/window/summary_view.h"

#include <QHeaderView>
#include <QLabel>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChartView>

#include "check/report/histogram_chart.h"
#include "check/statistics_cells.h"
#include "survey/design_points.h"

namespace check {
namespace {

QString qText(const std::string& text) {
  return QString::fromStdString(text);
}

// A check against a surface or along an alignment: no pairs, and the shots' counts instead.
QString shotOverviewOf(const CheckReport& report, const QString& shotCounts) {
  QStringList lines;
  lines << "Design: " + qText(report.design.name);
  lines << "Survey: " + qText(report.survey.name);
  lines << shotCounts;
  if (report.survey.skippedCount > 0) {
    lines << QString("Lines skipped: %1").arg(report.survey.skippedCount);
  }
  lines << QString("Differences: survey minus design, %1 decimals").arg(report.decimals);
  lines << "Tolerances: " + qText(tolerancesText(report));
  return lines.join('\n');
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
  lines << "Tolerances: " + qText(tolerancesText(report));
  lines << QString("Outside tolerance: %1 of %2 pairs")
               .arg(report.comparison.failed)
               .arg(report.comparison.pairs.size());
  return lines.join('\n');
}

}  // namespace

SummaryView::SummaryView(QWidget* parent)
    : QWidget(parent),
      overview_(new QLabel(this)),
      statistics_(new QTableWidget(this)),
      histogramRow_(new QHBoxLayout) {
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
  layout->addWidget(statistics_);
  layout->addLayout(histogramRow_, 1);
  // Empty until the first check, laid out as a point check shows them.
  makeHistogramViews(survey::pointComponents());
}

void SummaryView::makeHistogramViews(const survey::ComponentSchema& schema) {
  std::vector<std::string> keys;
  for (const survey::Component& component : schema) keys.push_back(component.key);
  if (keys == histogramKeys_) return;
  for (QChartView* view : histograms_) delete view;
  histograms_.clear();
  for (const std::string& key : keys) {
    auto* view = new QChartView(this);
    view->setObjectName(QString::fromStdString("histogram_" + key));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(170, 150);  // four side by side in a window 800 wide
    histogramRow_->addWidget(view);
    histograms_.push_back(view);
  }
  histogramKeys_ = std::move(keys);
}

void SummaryView::showReport(const CheckReport& report, const QString& shotCounts) {
  const survey::ComponentSchema& schema = report.comparison.schema;
  overview_->setText(shotCounts.isEmpty() ? overviewOf(report)
                                          : shotOverviewOf(report, shotCounts));
  statistics_->setRowCount(static_cast<int>(schema.size()));
  int row = 0;
  for (std::size_t k = 0; k < schema.size(); ++k) {
    const StatisticsCells c = statisticsCells(report, k);
    statistics_->setVerticalHeaderItem(row, new QTableWidgetItem(qText(c.name)));
    const std::string* cells[] = {
        &c.count, &c.mean,    &c.standardDeviation, &c.rms,          &c.min,
        &c.max,   &c.largest, &c.largestId,         &c.percentile95, &c.withinTolerance};
    for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
      auto* item = new QTableWidgetItem(qText(*cells[column]));
      const bool isId = cells[column] == &c.largestId;
      item->setTextAlignment((isId ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
      statistics_->setItem(row, column, item);
    }
    ++row;
  }
  makeHistogramViews(schema);
  for (std::size_t k = 0; k < schema.size(); ++k) {
    // The view takes over the new chart; the one it showed is deleted here.
    QChart* previous = histograms_[k]->chart();
    histograms_[k]->setChart(report::histogramChart(report, k));
    delete previous;
  }
}

}  // namespace check
