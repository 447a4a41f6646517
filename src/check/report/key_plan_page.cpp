#include <QPolygonF>
#include <algorithm>

#include "check/report/plan_drawing.h"
#include "check/report/report_pages.h"

namespace check::report {
namespace {

// All the sheets' windows together.
PlanWindow unionOf(const std::vector<PlanSheet>& sheets) {
  PlanWindow all = sheets.front().window;
  for (const PlanSheet& sheet : sheets) {
    all.minX = std::min(all.minX, sheet.window.minX);
    all.minY = std::min(all.minY, sheet.window.minY);
    all.maxX = std::max(all.maxX, sheet.window.maxX);
    all.maxY = std::max(all.maxY, sheet.window.maxY);
  }
  return all;
}

// Every item as a dot of its verdict's colour, the failures and the unmatched on top.
void drawDots(ReportCanvas& canvas, const PlanLayout& layout, const PlanView& view) {
  QPainter& painter = canvas.painter();
  for (const PlanKind kind :
       {PlanKind::Within, PlanKind::Outside, PlanKind::NeverSurveyed, PlanKind::NoDesign}) {
    QPolygonF dots;
    for (const PlanItem& item : layout.items) {
      if (item.kind != kind) continue;
      const QPointF mm = view.mm(item.at);
      dots << canvas.at(mm.x(), mm.y());
    }
    painter.setPen(QPen(colourOf(kind), canvas.units(0.7), Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(dots);
  }
}

void drawSheetOutlines(ReportCanvas& canvas, const PlanLayout& layout, const PlanView& view) {
  QPainter& painter = canvas.painter();
  painter.setFont(ReportCanvas::font(12, true));
  for (std::size_t i = 0; i < layout.sheets.sheets.size(); ++i) {
    const PlanWindow& window = layout.sheets.sheets[i].window;
    const QPointF topLeft = view.mm({window.minX, window.maxY});
    const QPointF bottomRight = view.mm({window.maxX, window.minY});
    painter.setPen(QPen(QColor(0, 70, 200), canvas.units(0.3)));
    painter.drawRect(
        QRectF(canvas.at(topLeft.x(), topLeft.y()), canvas.at(bottomRight.x(), bottomRight.y())));
    painter.setPen(QColor(0, 70, 200));
    const QPointF centre = (topLeft + bottomRight) / 2;
    canvas.text(centre.x() - 10, centre.y() - 3, 20, 6, QString::number(i + 1), Qt::AlignHCenter);
  }
}

}  // namespace

void drawKeyPlanPage(ReportCanvas& canvas, const CheckReport& report, const PlanLayout& layout) {
  const std::size_t count = layout.sheets.sheets.size();
  drawPlanHeading(
      canvas,
      QStringLiteral("Key plan: %1 sheets at 1:%2")
          .arg(count)
          .arg(QString::number(layout.sheets.scale, 'g', 12)),
      QStringLiteral("Every pair and unmatched point at its design or surveyed point, and the "
                     "sheets of the plan that follow, numbered as they follow, along %1.")
          .arg(QString::fromStdString(report.frame)));

  const PlanWindow all = unionOf(layout.sheets.sheets);
  const double mmPerUnit = std::min((kPlanFrameWidth - 2 * kPlanPadding) / (all.maxX - all.minX),
                                    (kPlanFrameHeight - 2 * kPlanPadding) / (all.maxY - all.minY));
  const PlanView view(all, mmPerUnit);
  QPainter& painter = canvas.painter();
  const QRectF frame = planFrame(canvas);
  painter.save();
  painter.setClipRect(frame);
  drawDots(canvas, layout, view);
  drawSheetOutlines(canvas, layout, view);
  painter.restore();
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.drawRect(frame);
  drawNorthArrow(canvas, report.axes);

  const double below = kPlanFrameTop + kPlanFrameHeight;
  drawLegend(canvas, report, below + 3);
  drawRoundScaleBar(canvas, ReportCanvas::kMargin, below + 15, 40.0, mmPerUnit,
                    QStringLiteral("Plan"));
}

}  // namespace check::report
