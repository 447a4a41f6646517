#include "check/report/histogram_chart.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "check/report/histogram.h"
#include "check/report/plan_scale.h"
#include "check/statistics_cells.h"

namespace check::report {
namespace {

const QColor kBars(70, 110, 170);
const QColor kTolerance(220, 0, 0);

// The outline of the bars, from the axis up and along each bin and back down.
QLineSeries* barOutline(const Histogram& histogram) {
  auto* outline = new QLineSeries;
  outline->append(histogram.start, 0.0);
  for (std::size_t bin = 0; bin < histogram.counts.size(); ++bin) {
    const double left = histogram.start + histogram.binWidth * static_cast<double>(bin);
    const auto count = static_cast<double>(histogram.counts[bin]);
    outline->append(left, count);
    outline->append(left + histogram.binWidth, count);
  }
  outline->append(histogram.end(), 0.0);
  return outline;
}

QLineSeries* toleranceLine(double at, double height, const QString& name) {
  auto* line = new QLineSeries;
  line->setName(name);
  line->setPen(QPen(kTolerance, 2.0, Qt::DashLine));
  line->append(at, 0.0);
  line->append(at, height);
  return line;
}

void addAxes(QChart& chart, const CheckReport& report, const Histogram& histogram,
             std::size_t highest, const QString& name) {
  auto* x = new QValueAxis;
  const double margin = histogram.binWidth / 2;
  x->setRange(histogram.start - margin, histogram.end() + margin);
  // Ticks on round numbers, 0 among them, 2 to 6 of them.
  x->setTickType(QValueAxis::TicksDynamic);
  x->setTickAnchor(0.0);
  x->setTickInterval(roundNumberAtMost((histogram.end() - histogram.start) / 2.0));
  x->setLabelFormat(QStringLiteral("%.%1f").arg(report.decimals));
  x->setTitleText(name);
  auto* y = new QValueAxis;
  const double step = std::max(1.0, roundNumberAtMost(static_cast<double>(highest) / 4.0));
  y->setRange(0.0, std::ceil(static_cast<double>(highest) * 1.1 / step) * step);
  y->setTickType(QValueAxis::TicksDynamic);
  y->setTickAnchor(0.0);
  y->setTickInterval(step);
  y->setLabelFormat(QStringLiteral("%d"));
  y->setTitleText(QStringLiteral("pairs"));
  chart.addAxis(x, Qt::AlignBottom);
  chart.addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series : chart.series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

}  // namespace

QChart* histogramChart(const CheckReport& report, std::size_t component) {
  auto* chart = new QChart;
  const survey::Component& shown = report.comparison.schema[component];
  const QString name = QString::fromStdString(shown.heading);
  const std::vector<double> values = deviationsOf(report, component);
  if (values.empty()) {
    chart->setTitle(name + QStringLiteral(": no values"));
    chart->legend()->hide();
    return chart;
  }
  const std::optional<survey::Tolerance> tolerance = report.tolerances[component];
  const bool magnitudes = shown.rule == survey::ToleranceRule::Magnitude;
  const Histogram histogram = histogramOf(values, tolerance, magnitudes);
  const std::size_t highest = *std::max_element(histogram.counts.begin(), histogram.counts.end());

  QLineSeries* outline = barOutline(histogram);
  auto* bars = new QAreaSeries(outline);
  bars->setName(QStringLiteral("%1 pairs").arg(values.size()));
  bars->setColor(kBars.lighter(150));
  bars->setBorderColor(kBars);
  chart->addSeries(bars);
  // An area series does not own its outline, though it starts as the outline's child: once the
  // chart has taken the area over, the outline goes with it.
  outline->setParent(bars);
  if (tolerance) {
    const QString lineName =
        QStringLiteral("tolerance ") + QString::fromStdString(toleranceCell(report, component));
    chart->addSeries(toleranceLine(tolerance->upper, static_cast<double>(highest) * 1.1, lineName));
    if (!magnitudes) {
      QLineSeries* lower =
          toleranceLine(tolerance->lower, static_cast<double>(highest) * 1.1, lineName);
      chart->addSeries(lower);
      chart->legend()->markers(lower).front()->setVisible(false);
    }
  }
  const QString unit = QString::fromStdString(shown.unit);
  addAxes(*chart, report, histogram, highest,
          unit.isEmpty() ? name : name + QStringLiteral(" (") + unit + QStringLiteral(")"));
  chart->setTitle(name + QStringLiteral(", survey minus design"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

}  // namespace check::report
