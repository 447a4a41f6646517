#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "check/deviation_scale.h"
#include "check/report/alignment_pages.h"
#include "check/report/histogram.h"
#include "check/report/plan_marks.h"
#include "check/report/plan_scale.h"
#include "numbers/number_format.h"

namespace check::report {
namespace {

constexpr double kGraphTop = ReportCanvas::kBodyTop + 20;
constexpr double kGraphHeight = 100.0;  // the plot and its chainage labels
constexpr double kGraphGap = 14.0;
constexpr double kPlotLeft = ReportCanvas::kMargin + 20;  // room for the values
constexpr double kPlotRight = ReportCanvas::kMargin + ReportCanvas::kBodyWidth - 2;
constexpr double kPlotHeight = kGraphHeight - 16;  // below it the chainages and their caption
const QColor kBand(220, 245, 220);

QString roundText(double value) {
  return QString::fromStdString(numbers::storedForm(value, "."));
}

// A range of values onto a length of paper.
struct Axis {
  double low = 0.0;
  double high = 1.0;
  double from = 0.0;  // millimetres of `low`
  double to = 1.0;    // of `high`
  double mm(double value) const { return from + (value - low) / (high - low) * (to - from); }
};

// Lines across the plot at round values, labelled.
void drawValueGrid(ReportCanvas& canvas, const Axis& values, double stepTarget) {
  QPainter& painter = canvas.painter();
  const double step = roundNumberAtMost(stepTarget);
  painter.setFont(ReportCanvas::font(7));
  for (double k = std::ceil(values.low / step - 1e-9); k * step <= values.high + step * 1e-9; ++k) {
    const double y = values.mm(k * step);
    painter.setPen(QPen(k == 0 ? Qt::darkGray : Qt::lightGray, canvas.units(0.15)));
    painter.drawLine(canvas.at(kPlotLeft, y), canvas.at(kPlotRight, y));
    painter.setPen(Qt::black);
    // k * step, not an accumulated sum, so that 0 reads 0.
    canvas.text(ReportCanvas::kMargin, y - 2, 18, 4, roundText(k * step), Qt::AlignRight);
  }
}

void drawChainageGrid(ReportCanvas& canvas, const Axis& chainages, double top, double bottom) {
  QPainter& painter = canvas.painter();
  const double step = roundNumberAtMost((chainages.high - chainages.low) / 6);
  painter.setFont(ReportCanvas::font(7));
  for (double k = std::ceil(chainages.low / step - 1e-9); k * step <= chainages.high + 1e-6; ++k) {
    const double x = chainages.mm(k * step);
    painter.setPen(QPen(Qt::lightGray, canvas.units(0.15)));
    painter.drawLine(canvas.at(x, top), canvas.at(x, bottom));
    painter.setPen(Qt::black);
    canvas.text(x - 12, bottom + 1, 24, 4, roundText(k * step), Qt::AlignHCenter);
  }
}

// The values of component `component` against chainage, within the band of its tolerance;
// values beyond the histogram's robust range drawn at its edge.
void drawGraph(ReportCanvas& canvas, const AlignmentRun& run, const CheckReport& report,
               std::size_t component, double top) {
  QPainter& painter = canvas.painter();
  const DeviationScale scale = deviationScale(report, component);
  const QString heading =
      QString::fromStdString(scale.heading(run.comparison.schema[component].heading));
  painter.setFont(ReportCanvas::font(11, true));
  canvas.text(ReportCanvas::kMargin, top, ReportCanvas::kBodyWidth, 6,
              heading + QStringLiteral(" against chainage"));
  const double plotTop = top + 8;
  const double plotBottom = top + kPlotHeight;
  std::vector<double> values;
  for (const survey::ComparedPair& pair : run.comparison.pairs) {
    if (pair.values[component]) values.push_back(scale.value(*pair.values[component]));
  }
  if (values.empty()) {
    painter.setFont(ReportCanvas::font(9));
    canvas.text(ReportCanvas::kMargin, plotTop + 10, ReportCanvas::kBodyWidth, 5,
                QStringLiteral("No %1: no shot along the alignment has one.").arg(heading));
    return;
  }
  std::optional<survey::Tolerance> tolerance = report.tolerances[component];
  if (tolerance) {
    tolerance = survey::Tolerance{scale.value(tolerance->lower), scale.value(tolerance->upper)};
  }
  const Histogram range = histogramOf(values, tolerance, false);
  const double margin = (range.end() - range.start) * 0.05;
  const Axis valueAxis{range.start - margin, range.end() + margin, plotBottom, plotTop};
  const survey::HorizontalAlignment& plan = run.alignment.plan;
  const Axis chainageAxis{plan.startChainage(), plan.endChainage(), kPlotLeft, kPlotRight};

  if (tolerance) {
    painter.fillRect(QRectF(canvas.at(kPlotLeft, valueAxis.mm(tolerance->upper)),
                            canvas.at(kPlotRight, valueAxis.mm(tolerance->lower))),
                     kBand);
  }
  drawValueGrid(canvas, valueAxis, (valueAxis.high - valueAxis.low) / 5);
  drawChainageGrid(canvas, chainageAxis, plotTop, plotBottom);
  if (tolerance) {
    painter.setPen(QPen(kFailColour, canvas.units(0.3), Qt::DashLine));
    for (const double bound : {tolerance->lower, tolerance->upper}) {
      painter.drawLine(canvas.at(kPlotLeft, valueAxis.mm(bound)),
                       canvas.at(kPlotRight, valueAxis.mm(bound)));
    }
  }
  // A dot per shot, red where this difference fails, over the passes.
  for (const bool failures : {false, true}) {
    painter.setPen(
        QPen(failures ? kFailColour : kPassColour, canvas.units(1.0), Qt::SolidLine, Qt::RoundCap));
    QPolygonF dots;
    for (std::size_t i = 0; i < run.shots.size(); ++i) {
      const survey::ComparedPair& pair = run.comparison.pairs[i];
      const bool failing =
          std::find(pair.failing.begin(), pair.failing.end(), component) != pair.failing.end();
      if (!pair.values[component] || failing != failures) continue;
      const double value =
          std::clamp(scale.value(*pair.values[component]), valueAxis.low, valueAxis.high);
      dots << canvas.at(chainageAxis.mm(run.shots[i].station.chainage), valueAxis.mm(value));
    }
    painter.drawPoints(dots);
  }
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(canvas.at(kPlotLeft, plotTop), canvas.at(kPlotRight, plotBottom)));
  painter.setFont(ReportCanvas::font(8));
  canvas.text(kPlotLeft, plotBottom + 6, kPlotRight - kPlotLeft, 4, QStringLiteral("chainage"),
              Qt::AlignHCenter);
}

}  // namespace

void drawLongSectionPage(ReportCanvas& canvas, const AlignmentRun& run, const CheckReport& report) {
  canvas.painter().setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Long section of the differences"));
  canvas.painter().setFont(ReportCanvas::font(9));
  canvas.wrappedText(ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth,
                     4.5,
                     QStringLiteral("Each shot along the alignment at its chainage; the green band "
                                    "and the dashed red lines mark the tolerance, and differences "
                                    "beyond the graph sit on its edge."));
  for (std::size_t k = 0; k < run.comparison.schema.size(); ++k) {
    drawGraph(canvas, run, report, k,
              kGraphTop + static_cast<double>(k) * (kGraphHeight + kGraphGap));
  }
}

}  // namespace check::report
