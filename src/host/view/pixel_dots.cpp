#include "host/view/pixel_dots.h"

#include <optional>

#include <QImage>

namespace host::view {
namespace {

// The image the painter paints into and the pixels it may change, when writing an opaque pen's
// colour into them is what the painter would do: no scaling, no blending, one clip rectangle.
struct PlainTarget {
  QImage* image = nullptr;
  QRect pixels;
  QPointF offset;
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
      transform.type() > QTransform::TxTranslate ||
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
  return PlainTarget{image, pixels, QPointF(transform.dx(), transform.dy())};
}

}  // namespace

void paintPixelDots(QPainter& painter, const std::vector<QPointF>& dots) {
  const std::optional<PlainTarget> target = plainTarget(painter);
  if (!target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawPoints(dots.data(), static_cast<int>(dots.size()));
    painter.restore();
    return;
  }
  const QRgb colour = painter.pen().color().rgba();
  const QRect& pixels = target->pixels;
  uchar* const bits = target->image->bits();
  const qsizetype bytesPerLine = target->image->bytesPerLine();
  for (const QPointF& dot : dots) {
    const QPointF at = dot + target->offset;
    // Far off, a point is left out before rounding it could overflow.
    if (!(at.x() > pixels.left() - 1 && at.x() < pixels.right() + 1 && at.y() > pixels.top() - 1 &&
          at.y() < pixels.bottom() + 1)) {
      continue;
    }
    // The painter's rounding: half a pixel away from zero.
    const int x = qRound(at.x());
    const int y = qRound(at.y());
    if (!pixels.contains(x, y)) continue;
    reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(y) * bytesPerLine)[x] = colour;
  }
}

}  // namespace host::view
