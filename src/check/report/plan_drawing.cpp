#include "check/report/plan_drawing.h"

#include <cmath>

#include "check/report/plan_scale.h"
#include "numbers/number_format.h"

namespace check::report {

QColor colourOf(PlanKind kind) {
  switch (kind) {
    case PlanKind::Within:
      return kPassColour;
    case PlanKind::Outside:
      return kFailColour;
    case PlanKind::NeverSurveyed:
    case PlanKind::NoDesign:
      break;
  }
  return kUnmatchedColour;
}

PlanView::PlanView(const PlanWindow& window, double mmPerUnit)
    : centre_{(window.minX + window.maxX) / 2, (window.minY + window.maxY) / 2},
      mmPerUnit_(mmPerUnit) {}

QPointF PlanView::mm(PlanPoint p) const {
  return {ReportCanvas::kMargin + kPlanFrameWidth / 2 + (p.x - centre_.x) * mmPerUnit_,
          kPlanFrameTop + kPlanFrameHeight / 2 - (p.y - centre_.y) * mmPerUnit_};
}

PlanWindow PlanView::visible() const {
  const double halfWidth = kPlanFrameWidth / 2 / mmPerUnit_;
  const double halfHeight = kPlanFrameHeight / 2 / mmPerUnit_;
  return {centre_.x - halfWidth, centre_.y - halfHeight, centre_.x + halfWidth,
          centre_.y + halfHeight};
}

QRectF planFrame(const ReportCanvas& canvas) {
  return canvas.rect(ReportCanvas::kMargin, kPlanFrameTop, kPlanFrameWidth, kPlanFrameHeight);
}

void drawPlanHeading(ReportCanvas& canvas, const QString& title, const QString& description) {
  QPainter& painter = canvas.painter();
  painter.setPen(Qt::black);
  painter.setFont(ReportCanvas::font(14, true));
  canvas.text(ReportCanvas::kMargin, ReportCanvas::kBodyTop, ReportCanvas::kBodyWidth, 8, title);
  painter.setFont(ReportCanvas::font(9));
  // Over two lines where the axes' name is long.
  canvas.wrappedText(ReportCanvas::kMargin, ReportCanvas::kBodyTop + 9, ReportCanvas::kBodyWidth,
                     4.5, description);
}

QRectF northArrowBox() {
  return {ReportCanvas::kMargin + kPlanFrameWidth - 16, kPlanFrameTop, 16, 16};
}

void drawNorthArrow(ReportCanvas& canvas, const host::geom::Frame& axes) {
  const Eigen::Vector3d north = axes.vectorToLocal(Eigen::Vector3d::UnitY());
  drawNorthArrow(canvas, ReportCanvas::kMargin + kPlanFrameWidth - 10, kPlanFrameTop + 4,
                 std::atan2(north.x(), north.y()));
}

void drawRoundScaleBar(ReportCanvas& canvas, double x, double y, double mostMm, double mmPerUnit,
                       const QString& caption) {
  const double length = roundNumberAtMost(mostMm / mmPerUnit);
  drawScaleBar(canvas, x, y, length * mmPerUnit, caption,
               QString::fromStdString(numbers::storedForm(length, ".")));
}

void drawLegend(ReportCanvas& canvas, const CheckReport& report, double y) {
  const struct {
    PlanKind kind;
    QString text;
  } entries[] = {
      {PlanKind::Within, QStringLiteral("within tolerance (%1)")
                             .arg(report.comparison.pairs.size() - report.comparison.failed)},
      {PlanKind::Outside, QStringLiteral("outside tolerance (%1)").arg(report.comparison.failed)},
      {PlanKind::NeverSurveyed,
       QStringLiteral("never surveyed (%1)").arg(report.pairing.unmatchedDesign.size())},
      {PlanKind::NoDesign,
       QStringLiteral("no design point (%1)").arg(report.pairing.unmatchedSurvey.size())}};
  double x = ReportCanvas::kMargin;
  for (const auto& entry : entries) {
    const QPointF at(x + 2, y + 2.5);
    if (entry.kind == PlanKind::Within || entry.kind == PlanKind::Outside) {
      drawVector(canvas, at, at + QPointF(5, -2), colourOf(entry.kind));
    } else {
      drawUnmatched(canvas, at, entry.kind == PlanKind::NeverSurveyed);
    }
    canvas.painter().setPen(Qt::black);
    canvas.painter().setFont(ReportCanvas::font(8));
    canvas.text(x + 9, y, 36, 5, entry.text);
    x += 45;
  }
}

}  // namespace check::report
