// PLOT: the drawing on one sheet of a PDF, black on white, with its lineweights.
#include <algorithm>
#include <cmath>

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "host/view-core/drawing_units.h"
#include "host/view-core/length_format.h"
#include "host/view-core/plot_layout.h"
#include "host/view-core/renderer.h"
#include "host/view-core/scene.h"
#include "host/view/host_window.h"
#include "host/view/qt_canvas.h"

namespace host::view {
namespace {

// Fine enough that the thinnest lineweight is a few dots wide.
constexpr int kPlotDotsPerInch = 600;
constexpr double kMillimetresPerInch = 25.4;

QPageSize::PageSizeId pageOf(int sheet) {
  constexpr QPageSize::PageSizeId kSizes[] = {QPageSize::A0, QPageSize::A1, QPageSize::A2,
                                              QPageSize::A3, QPageSize::A4};
  return kSizes[std::clamp(sheet, 0, 4)];
}

// What the view shows now, in view coordinates.
Eigen::AlignedBox2d shownArea(const ViewProjection& projection) {
  Eigen::AlignedBox2d area(projection.screenToView({0.0, 0.0}));
  area.extend(projection.screenToView({double(projection.width()), double(projection.height())}));
  return area;
}

QString scaleText(double scale) {
  // A fitted scale is told to a tenth; a chosen one as it was typed.
  const bool whole = std::abs(scale - std::round(scale)) < 1e-9;
  return "1:" + QString::fromStdString(formatLength(scale, whole ? 0 : 1));
}

}  // namespace

void HostWindow::plot(DrawingView& view, const command::Plot& plot) {
  const model::Document& document = *view.document();
  const Eigen::Matrix3d orientation = view.projection().orientation();
  const Scene scene = buildScene(document, orientation);
  const Eigen::AlignedBox2d area =
      plot.area == command::Plot::Area::Extents ? scene.bounds : shownArea(view.projection());
  const Sheet sheet = sheetA(plot.sheet, plot.landscape);
  const auto laidOut =
      layOutPlot(area, sheet, plot.scale, metresPerUnit(document.header().insunits));
  if (const auto* nothing = std::get_if<std::string>(&laidOut)) {
    say(QString::fromStdString(*nothing));
    return;
  }
  const PlotLayout& layout = std::get<PlotLayout>(laidOut);

  const QString path = QString::fromStdString(plot.path);
  QPdfWriter writer(path);
  writer.setResolution(kPlotDotsPerInch);
  writer.setPageSize(QPageSize(pageOf(plot.sheet)));
  writer.setPageOrientation(plot.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setTitle(drawingName(&view));
  QPainter painter;
  if (!painter.begin(&writer)) {
    say("Cannot write " + path + ": the folder is missing or not writable");
    return;
  }
  painter.fillRect(QRect(0, 0, writer.width(), writer.height()), Qt::white);
  ViewProjection paper;
  paper.setOrientation(orientation);
  paper.setViewport(writer.width(), writer.height());
  paper.show(layout.centre, layout.millimetresPerUnit * kPlotDotsPerInch / kMillimetresPerInch);
  {
    QtCanvas canvas(painter, QtCanvas::Surface::Paper);
    renderScene(scene, paper, canvas, {.lineWeights = {true, double(kPlotDotsPerInch)}});
  }
  if (!painter.end()) {
    say("Cannot write " + path);
    return;
  }
  QString told = QString("Plotted %1 on A%2 %3 at %4")
                     .arg(path)
                     .arg(plot.sheet)
                     .arg(plot.landscape ? "landscape" : "portrait")
                     .arg(scaleText(layout.scale));
  if (!metresPerUnit(document.header().insunits)) told += " (a unitless drawing taken in metres)";
  say(told);
  if (layout.cut) warn("The plot is larger than the sheet: its edges are cut off");
}

}  // namespace host::view
