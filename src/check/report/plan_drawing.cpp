#include "check/report/plan_drawing.h"

#include <QPainterPath>
#include <cmath>

#include "check/report/plan_scale.h"
#include "numbers/number_format.h"

namespace check::report {

QColor colourOf(PlanKind kind) {
  switch (kind) {
    case PlanKind::Within:
      return {0, 160, 0};
    case PlanKind::Outside:
      return {220, 0, 0};
    case PlanKind::NeverSurveyed:
    case PlanKind::NoDesign:
      break;
  }
  return {200, 0, 200};
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

void drawVector(ReportCanvas& canvas, QPointF from, QPointF to, const QColor& colour) {
  QPainter& painter = canvas.painter();
  painter.setPen(QPen(colour, canvas.units(0.35), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(canvas.at(from.x(), from.y()), canvas.at(to.x(), to.y()));
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length > 2.0) {
    const QPointF unit = along / length;
    const QPointF side(-unit.y(), unit.x());
    const auto at = [&](QPointF mm) { return canvas.at(mm.x(), mm.y()); };
    QPainterPath head;
    head.moveTo(at(to));
    head.lineTo(at(to - unit * 1.6 + side * 0.6));
    head.lineTo(at(to - unit * 1.6 - side * 0.6));
    head.closeSubpath();
    painter.fillPath(head, colour);
  }
  // A dot as a point under a round pen: a fifth of an ellipse's bytes in the PDF.
  painter.setPen(QPen(colour, canvas.units(1.6), Qt::SolidLine, Qt::RoundCap));
  painter.drawPoint(canvas.at(from.x(), from.y()));
}

void drawUnmatched(ReportCanvas& canvas, QPointF at, bool design) {
  QPainter& painter = canvas.painter();
  painter.setPen(QPen(colourOf(PlanKind::NeverSurveyed), canvas.units(0.4)));
  painter.setBrush(Qt::NoBrush);
  const double r = canvas.units(1.2);
  const QPointF centre = canvas.at(at.x(), at.y());
  if (design) {
    painter.drawEllipse(centre, r, r);
  } else {
    painter.drawRect(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)));
  }
}

QRectF northArrowBox() {
  return {ReportCanvas::kMargin + kPlanFrameWidth - 16, kPlanFrameTop, 16, 16};
}

void drawNorthArrow(ReportCanvas& canvas, const host::geom::Frame& axes) {
  const double x = ReportCanvas::kMargin + kPlanFrameWidth - 10;
  const double y = kPlanFrameTop + 4;
  const Eigen::Vector3d north = axes.vectorToLocal(Eigen::Vector3d::UnitY());
  const double angle = std::atan2(north.x(), north.y());  // clockwise from page up
  const QPointF centre(x, y + 9);
  const auto at = [&](double dx, double dy) {  // (dx, dy) from the centre, arrow pointing up
    const double c = std::cos(angle), s = std::sin(angle);
    return canvas.at(centre.x() + dx * c - dy * s, centre.y() + dx * s + dy * c);
  };
  QPainter& painter = canvas.painter();
  QPainterPath arrow;
  arrow.moveTo(at(0, -5));
  arrow.lineTo(at(3, 5));
  arrow.lineTo(at(0, 2));
  arrow.lineTo(at(-3, 5));
  arrow.closeSubpath();
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.setBrush(Qt::black);
  painter.drawPath(arrow);
  painter.setBrush(Qt::NoBrush);
  painter.setFont(ReportCanvas::font(10, true));
  canvas.text(x - 5, y - 1, 10, 5, QStringLiteral("N"), Qt::AlignHCenter);
}

void drawScaleBar(ReportCanvas& canvas, double x, double y, double lengthMm, const QString& caption,
                  const QString& label) {
  QPainter& painter = canvas.painter();
  painter.setPen(Qt::black);
  painter.setFont(ReportCanvas::font(8));
  canvas.text(x, y - 2.5, 22, 5, caption);
  x += 22;
  painter.setPen(QPen(Qt::black, canvas.units(0.3)));
  painter.drawRect(canvas.rect(x, y - 0.8, lengthMm, 1.6));
  painter.fillRect(canvas.rect(x, y - 0.8, lengthMm / 2, 1.6), Qt::black);
  canvas.text(x - 5, y + 1, 10, 4, QStringLiteral("0"), Qt::AlignHCenter);
  canvas.text(x + lengthMm - 15, y + 1, 30, 4, label, Qt::AlignHCenter);
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
