#include <QGraphicsScene>
#include <QtCharts/QChart>
#include <algorithm>
#include <memory>

#include "check/report/histogram_chart.h"
#include "check/report/report_pages.h"

namespace check::report {
namespace {

// The size a chart is laid out at before it is scaled onto the page, in the screen pixels its
// fonts are measured in: about as large as it is printed.
constexpr double kChartPixelsPerMm = 96.0 / 25.4;

}  // namespace

void drawChart(ReportCanvas& canvas, QChart* chart, const QRectF& place) {
  QGraphicsScene scene;
  scene.addItem(chart);  // the scene owns the chart from here
  const QSizeF size(place.width() * kChartPixelsPerMm, place.height() * kChartPixelsPerMm);
  chart->setBackgroundRoundness(0);
  chart->resize(size);
  const QRectF target = canvas.rect(place.x(), place.y(), place.width(), place.height());
  scene.render(&canvas.painter(), target, QRectF(QPointF(0, 0), size));
}

void drawHistogramPage(ReportCanvas& canvas, const CheckReport& report) {
  canvas.painter().setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Histograms of the deviations"));
  canvas.painter().setFont(ReportCanvas::font(9));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth, 6,
              QStringLiteral("How many pairs deviate by how much, per component; the dashed red "
                             "lines mark the tolerance."));
  // Two side by side, as many rows as that takes, each at most 110 mm high.
  const std::size_t charts = report.comparison.schema.size();
  const double rows = static_cast<double>((charts + 1) / 2);
  const double width = ReportCanvas::kBodyWidth / 2 - 2;
  const double top = ReportCanvas::kBodyTop + 20;
  const double height = std::min(110.0, (ReportCanvas::kBodyBottom - top) / rows - 6);
  for (std::size_t i = 0; i < charts; ++i) {
    const QRectF place(ReportCanvas::kMargin + static_cast<double>(i % 2) * (width + 4),
                       top + static_cast<double>(i / 2) * (height + 6), width, height);
    drawChart(canvas, histogramChart(report, i), place);
  }
}

}  // namespace check::report
