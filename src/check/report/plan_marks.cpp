#include "check/report/plan_marks.h"

#include <QPainterPath>
#include <cmath>

namespace check::report {
namespace {

QPointF units(const ReportCanvas& canvas, QPointF mm) {
  return canvas.at(mm.x(), mm.y());
}

}  // namespace

void drawVector(ReportCanvas& canvas, QPointF from, QPointF to, const QColor& colour) {
  QPainter& painter = canvas.painter();
  painter.setPen(QPen(colour, canvas.units(0.35), Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(units(canvas, from), units(canvas, to));
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length > 2.0) {
    const QPointF unit = along / length;
    const QPointF side(-unit.y(), unit.x());
    QPainterPath head;
    head.moveTo(units(canvas, to));
    head.lineTo(units(canvas, to - unit * 1.6 + side * 0.6));
    head.lineTo(units(canvas, to - unit * 1.6 - side * 0.6));
    head.closeSubpath();
    painter.fillPath(head, colour);
  }
  // A dot as a point under a round pen: a fifth of an ellipse's bytes in the PDF.
  painter.setPen(QPen(colour, canvas.units(1.6), Qt::SolidLine, Qt::RoundCap));
  painter.drawPoint(units(canvas, from));
}

void drawUnmatched(ReportCanvas& canvas, QPointF at, bool design) {
  QPainter& painter = canvas.painter();
  painter.setPen(QPen(kUnmatchedColour, canvas.units(0.4)));
  painter.setBrush(Qt::NoBrush);
  const double r = canvas.units(1.2);
  if (design) {
    painter.drawEllipse(units(canvas, at), r, r);
  } else {
    painter.drawRect(QRectF(units(canvas, at) - QPointF(r, r), QSizeF(2 * r, 2 * r)));
  }
}

void drawNorthArrow(ReportCanvas& canvas, double x, double y, double clockwise) {
  const QPointF centre(x, y + 9);
  const auto at = [&](double dx, double dy) {  // (dx, dy) from the centre, arrow pointing up
    const double c = std::cos(clockwise), s = std::sin(clockwise);
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

}  // namespace check::report
