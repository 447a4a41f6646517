#include "app/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace app {
namespace {

// One arrow on a 32-unit grid: the shaft along `y`, the tip at `tipX` touching a bar, the head
// opening towards `tailX`.
void drawArrow(QPainter& painter, double y, double tipX, double tailX) {
  const double direction = tailX > tipX ? 1 : -1;
  const double barX = tipX - direction * 2;
  painter.drawRect(QRectF(std::min(barX, barX + direction * 2), y - 5, 2, 10));
  painter.drawRect(QRectF(std::min(tipX, tailX), y - 1, std::abs(tailX - tipX), 2));
  painter.drawPolygon(QPolygonF{QPointF(tipX, y), QPointF(tipX + direction * 7, y - 5),
                                QPointF(tipX + direction * 7, y + 5)});
}

QPixmap iconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.scale(size / 32.0, size / 32.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  drawArrow(painter, 9, 5, 30);   // upper arrow, pointing left to the bar on the left
  drawArrow(painter, 23, 27, 2);  // lower arrow, pointing right to the bar on the right
  return pixmap;
}

}  // namespace

QIcon kestovaIcon() {
  QIcon icon;
  icon.addPixmap(iconPixmap(32));
  icon.addPixmap(iconPixmap(16));
  return icon;
}

}  // namespace app
