#include "check/report/histogram_chart.h"

#include <QtCharts/QAreaSeries>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>

#include "check/deviation_scale.h"
#include "check/report/histogram.h"
#include "check/report/plan_scale.h"
#include "check/statistics_cells.h"
#include "numbers/number_format.h"

namespace check::report {
namespace {

const QColor kBars(70, 110, 170);
const QColor kTolerance(220, 0, 0);
const QColor kBeyond(230, 140, 0);

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

// A bar of the values beyond the bins on one side, `from` to `to` on the axis, in a colour of
// its own and named in the legend, short as it has little room, with how far they reach:
// "2 < -0.050 (to -0.370)".
void addBeyondBar(QChart& chart, double from, double to, std::size_t count, const QString& name) {
  auto* outline = new QLineSeries;
  const auto height = static_cast<double>(count);
  outline->append(from, 0.0);
  outline->append(from, height);
  outline->append(to, height);
  outline->append(to, 0.0);
  auto* bar = new QAreaSeries(outline);
  bar->setName(name);
  bar->setColor(kBeyond.lighter(130));
  bar->setBorderColor(kBeyond);
  chart.addSeries(bar);
  outline->setParent(bar);  // as for the bars: the outline goes with the chart
}

// The bars of the values beyond the bins, half a bin apart from them; the histogram's values are
// those of `scale` already.
void addBeyondBars(QChart& chart, const DeviationScale& scale, const Histogram& histogram) {
  const auto n = [&](double value) {
    return QString::fromStdString(numbers::formatWithDP(value, scale.numberFormat, "."));
  };
  const double w = histogram.binWidth;
  if (histogram.below > 0) {
    addBeyondBar(chart, histogram.start - 1.5 * w, histogram.start - 0.5 * w, histogram.below,
                 QStringLiteral("%1 < %2 (to %3)")
                     .arg(histogram.below)
                     .arg(n(histogram.start), n(histogram.lowest)));
  }
  if (histogram.above > 0) {
    addBeyondBar(chart, histogram.end() + 0.5 * w, histogram.end() + 1.5 * w, histogram.above,
                 QStringLiteral("%1 > %2 (to %3)")
                     .arg(histogram.above)
                     .arg(n(histogram.end()), n(histogram.highest)));
  }
}

QLineSeries* toleranceLine(double at, double height, const QString& name) {
  auto* line = new QLineSeries;
  line->setName(name);
  line->setPen(QPen(kTolerance, 2.0, Qt::DashLine));
  line->append(at, 0.0);
  line->append(at, height);
  return line;
}

void addAxes(QChart& chart, const DeviationScale& scale, const Histogram& histogram,
             std::size_t highest, const QString& name, const QString& counted) {
  auto* x = new QValueAxis;
  const double margin = histogram.binWidth / 2;
  // Room for the bars of the values beyond the bins where there are some.
  const double left = histogram.below > 0 ? 2 * histogram.binWidth : margin;
  const double right = histogram.above > 0 ? 2 * histogram.binWidth : margin;
  x->setRange(histogram.start - left, histogram.end() + right);
  // Ticks on round numbers, 0 among them, 2 to 6 of them.
  x->setTickType(QValueAxis::TicksDynamic);
  x->setTickAnchor(0.0);
  x->setTickInterval(roundNumberAtMost((histogram.end() - histogram.start) / 2.0));
  x->setLabelFormat(QStringLiteral("%.%1f").arg(scale.decimals));
  x->setTitleText(name);
  auto* y = new QValueAxis;
  const double step = std::max(1.0, roundNumberAtMost(static_cast<double>(highest) / 4.0));
  y->setRange(0.0, std::ceil(static_cast<double>(highest) * 1.1 / step) * step);
  y->setTickType(QValueAxis::TicksDynamic);
  y->setTickAnchor(0.0);
  y->setTickInterval(step);
  y->setLabelFormat(QStringLiteral("%d"));
  y->setTitleText(counted);
  chart.addAxis(x, Qt::AlignBottom);
  chart.addAxis(y, Qt::AlignLeft);
  for (QAbstractSeries* series : chart.series()) {
    series->attachAxis(x);
    series->attachAxis(y);
  }
}

}  // namespace

QChart* histogramChart(const CheckReport& report, std::size_t component, const QString& counted) {
  auto* chart = new QChart;
  const survey::Component& shown = report.comparison.schema[component];
  const QString name = QString::fromStdString(shown.heading);
  // In the report's unit where it names one (--report-units), as the statistics are.
  const DeviationScale scale = deviationScale(report, component);
  std::vector<double> values = deviationsOf(report, component);
  for (double& value : values) value = scale.value(value);
  if (values.empty()) {
    chart->setTitle(name + QStringLiteral(": no values"));
    chart->legend()->hide();
    return chart;
  }
  std::optional<survey::Tolerance> tolerance = report.tolerances[component];
  if (tolerance) *tolerance = {scale.value(tolerance->lower), scale.value(tolerance->upper)};
  const bool magnitudes = shown.rule == survey::ToleranceRule::Magnitude;
  const Histogram histogram = histogramOf(values, tolerance, magnitudes);
  const std::size_t highest =
      std::max({*std::max_element(histogram.counts.begin(), histogram.counts.end()),
                histogram.below, histogram.above});

  QLineSeries* outline = barOutline(histogram);
  auto* bars = new QAreaSeries(outline);
  bars->setName(QStringLiteral("%1 %2").arg(values.size()).arg(counted));
  bars->setColor(kBars.lighter(150));
  bars->setBorderColor(kBars);
  chart->addSeries(bars);
  // An area series does not own its outline, though it starts as the outline's child: once the
  // chart has taken the area over, the outline goes with it.
  outline->setParent(bars);
  addBeyondBars(*chart, scale, histogram);
  if (tolerance) {
    const QString lineName =
        QStringLiteral("tolerance ") +
        QString::fromStdString(toleranceCell(report, component, CellUnits::Report));
    chart->addSeries(toleranceLine(tolerance->upper, static_cast<double>(highest) * 1.1, lineName));
    if (!magnitudes) {
      QLineSeries* lower =
          toleranceLine(tolerance->lower, static_cast<double>(highest) * 1.1, lineName);
      chart->addSeries(lower);
      chart->legend()->markers(lower).front()->setVisible(false);
    }
  }
  const QString unit = QString::fromStdString(scale.unit.empty() ? shown.unit : scale.unit);
  addAxes(*chart, scale, histogram, highest,
          unit.isEmpty() ? name : name + QStringLiteral(" (") + unit + QStringLiteral(")"),
          counted);
  chart->setTitle(name + QStringLiteral(", survey minus design"));
  chart->legend()->setAlignment(Qt::AlignBottom);
  return chart;
}

}  // namespace check::report
