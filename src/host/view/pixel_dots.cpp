#include "host/view/pixel_dots.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QImage>

namespace host::view {
namespace {

// The image the painter paints into and the pixels it may change, when writing an opaque pen's
// colour into them is what the painter would do: no scaling, no blending, one clip rectangle.
struct PlainTarget {
  QImage* image = nullptr;
  QRect pixels;
  QPoint offset;
};

std::optional<PlainTarget> plainTarget(QPainter& painter) {
  if (painter.device() == nullptr || painter.device()->devType() != QInternal::Image) {
    return std::nullopt;
  }
  auto* image = static_cast<QImage*>(painter.device());
  // A shared image would be copied by writing to it, away from the painter's pixels.
  if (!image->isDetached()) return std::nullopt;
  const QTransform transform = painter.deviceTransform();
  if ((image->format() != QImage::Format_RGB32 &&
       image->format() != QImage::Format_ARGB32_Premultiplied) ||
      transform.type() > QTransform::TxTranslate || transform.dx() != std::round(transform.dx()) ||
      transform.dy() != std::round(transform.dy()) ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
      painter.opacity() != 1.0 || painter.pen().color().alpha() != 255 ||
      painter.pen().brush().style() != Qt::SolidPattern) {
    return std::nullopt;
  }
  QRect pixels = image->rect();
  if (painter.hasClipping()) {
    const QRegion clip = painter.clipRegion();
    if (clip.rectCount() > 1) return std::nullopt;
    pixels &= transform.mapRect(clip.boundingRect());
  }
  return PlainTarget{image, pixels, QPoint(qRound(transform.dx()), qRound(transform.dy()))};
}

// The pixels of a dot, in the coordinates of `at`.
QRect square(const QPointF& at, int side) {
  // The painter's rounding: half a pixel away from zero.
  return QRect(qRound(at.x()) - side / 2, qRound(at.y()) - side / 2, side, side);
}

void paintThroughPainter(QPainter& painter, const std::vector<PixelDot>& dots) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor colour = painter.pen().color();
  // A point is one pixel whatever the width of the lines.
  QPen pen = painter.pen();
  pen.setWidthF(1.0);
  painter.setPen(pen);
  for (const PixelDot& dot : dots) {
    if (dot.side == 1) {
      painter.drawPoint(dot.at);
    } else {
      painter.fillRect(square(dot.at, dot.side), colour);
    }
  }
  painter.restore();
}

}  // namespace

void paintPixelDots(QPainter& painter, const std::vector<PixelDot>& dots) {
  const std::optional<PlainTarget> target = plainTarget(painter);
  if (!target) {
    paintThroughPainter(painter, dots);
    return;
  }
  const QRgb colour = painter.pen().color().rgba();
  const QRect& pixels = target->pixels;
  uchar* const bits = target->image->bits();
  const qsizetype bytesPerLine = target->image->bytesPerLine();
  for (const PixelDot& dot : dots) {
    // Far off, a dot is left out before rounding could overflow.
    const QPointF at = dot.at + QPointF(target->offset);
    const double reach = dot.side;
    if (!(at.x() > pixels.left() - reach && at.x() < pixels.right() + reach &&
          at.y() > pixels.top() - reach && at.y() < pixels.bottom() + reach)) {
      continue;
    }
    const QRect covered = square(at, dot.side) & pixels;
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
      QRgb* row = reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(y) * bytesPerLine);
      std::fill(row + covered.left(), row + covered.right() + 1, colour);
    }
  }
}

}  // namespace host::view
