#include <QGraphicsScene>
#include <QtCharts/QChart>
#include <memory>

#include "check/report/histogram_chart.h"
#include "check/report/report_pages.h"

namespace check::report {
namespace {

// The size a chart is laid out at before it is scaled onto the page, in the screen pixels its
// fonts are measured in: about as large as it is printed.
constexpr double kChartPixelsPerMm = 96.0 / 25.4;

void drawChart(ReportCanvas& canvas, QChart* chart, const QRectF& place) {
  QGraphicsScene scene;
  scene.addItem(chart);  // the scene owns the chart from here
  const QSizeF size(place.width() * kChartPixelsPerMm, place.height() * kChartPixelsPerMm);
  chart->setBackgroundRoundness(0);
  chart->resize(size);
  const QRectF target = canvas.rect(place.x(), place.y(), place.width(), place.height());
  scene.render(&canvas.painter(), target, QRectF(QPointF(0, 0), size));
}

}  // namespace

void drawHistogramPage(ReportCanvas& canvas, const CheckReport& report) {
  canvas.painter().setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8,
              QStringLiteral("Histograms of the deviations"));
  canvas.painter().setFont(ReportCanvas::font(9));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth, 6,
              QStringLiteral("How many pairs deviate by how much, per component; the dashed red "
                             "lines mark the tolerance."));
  const double width = ReportCanvas::kBodyWidth / 2 - 2;
  const double height = 110;
  const double top = ReportCanvas::kBodyTop + 20;
  for (int i = 0; i < 4; ++i) {
    const QRectF place(ReportCanvas::kMargin + (i % 2) * (width + 4), top + (i / 2) * (height + 6),
                       width, height);
    drawChart(canvas, histogramChart(report, survey::kComponents[i]), place);
  }
}

}  // namespace check::report
