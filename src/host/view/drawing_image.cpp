#include "host/view/drawing_image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include <QPainter>

#include "host/view-core/in_parallel.h"

namespace host::view {
namespace {

// Fewer rows than this are not worth a thread.
constexpr std::size_t kRowsPerBand = 64;

// Paints the image in bands of rows, each on its own thread, into the image's own memory.
void paintInBands(QImage& image, const DrawingImage::Painter& paint) {
  const int rows = image.height();
  const auto bands = static_cast<int>(partsFor(static_cast<std::size_t>(rows), kRowsPerBand));
  uchar* const bits = image.bits();
  const qreal ratio = image.devicePixelRatio();
  inParallel(static_cast<std::size_t>(bands), [&](std::size_t part) {
    const int band = static_cast<int>(part);
    const int first = rows * band / bands;
    const int end = rows * (band + 1) / bands;
    QImage slice(bits + first * image.bytesPerLine(), image.width(), end - first,
                 image.bytesPerLine(), image.format());
    slice.setDevicePixelRatio(ratio);
    QPainter painter(&slice);
    painter.translate(0.0, -first / ratio);
    const int top = static_cast<int>(std::floor(first / ratio));
    const int bottom = static_cast<int>(std::ceil(end / ratio));
    const int width = static_cast<int>(std::ceil(image.width() / ratio));
    paint(painter, QRect(0, top, width, bottom - top));
  });
}

// Moves the image's pixels by (dx, dy), leaving what was uncovered as it was.
void shiftPixels(QImage& image, int dx, int dy) {
  const int width = image.width() - std::abs(dx);
  const auto bytes = static_cast<std::size_t>(width) * sizeof(QRgb);
  const auto copyRow = [&](int row) {
    const QRgb* from = reinterpret_cast<const QRgb*>(image.constScanLine(row - dy));
    QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(row));
    std::memmove(to + std::max(dx, 0), from + std::max(-dx, 0), bytes);
  };
  // Rows are copied in the order that reads each before it is overwritten.
  if (dy > 0) {
    for (int row = image.height() - 1; row >= dy; --row) copyRow(row);
  } else {
    for (int row = 0; row < image.height() + dy; ++row) copyRow(row);
  }
}

// A shift of the view in pixels, when it is a whole number of them.
std::optional<int> wholePixels(double shift) {
  const double whole = std::round(shift);
  if (!(std::abs(shift - whole) < 1e-6)) return std::nullopt;
  return static_cast<int>(whole);
}

}  // namespace

DrawingImage::Key::Key(const ViewProjection& projection, qreal pixelRatio)
    : scale(projection.scale()),
      centre(projection.centre()),
      orientation(projection.orientation()),
      width(projection.width()),
      height(projection.height()),
      pixelRatio(pixelRatio) {}

bool DrawingImage::Key::operator==(const Key& other) const {
  return scale == other.scale && centre == other.centre && orientation == other.orientation &&
         width == other.width && height == other.height && pixelRatio == other.pixelRatio;
}

const QImage& DrawingImage::image(const ViewProjection& projection, qreal pixelRatio,
                                  const Painter& paint) {
  const Key key(projection, pixelRatio);
  if (key_ && *key_ == key) return image_;
  if (scroll(key, paint)) return image_;
  key_ = key;
  if (key.width <= 0 || key.height <= 0) {
    image_ = QImage();
    return image_;
  }
  image_ = QImage(static_cast<int>(std::ceil(key.width * pixelRatio)),
                  static_cast<int>(std::ceil(key.height * pixelRatio)), QImage::Format_RGB32);
  image_.setDevicePixelRatio(pixelRatio);
  paintInBands(image_, paint);
  return image_;
}

void DrawingImage::paintOver(const ViewProjection& projection, qreal pixelRatio,
                             const Painter& paint) {
  if (!key_ || !(*key_ == Key(projection, pixelRatio)) || image_.isNull()) {
    invalidate();
    return;
  }
  paintInBands(image_, paint);
}

bool DrawingImage::scroll(const Key& key, const Painter& paint) {
  if (!key_ || image_.isNull() || key.scale != key_->scale ||
      key.orientation != key_->orientation || key.width != key_->width ||
      key.height != key_->height || key.pixelRatio != key_->pixelRatio ||
      key.pixelRatio != std::round(key.pixelRatio)) {
    return false;
  }
  // Widget pixels the drawing moved by: right and down positive.
  const auto dx = wholePixels((key_->centre.x() - key.centre.x()) * key.scale);
  const auto dy = wholePixels((key.centre.y() - key_->centre.y()) * key.scale);
  if (!dx || !dy || std::abs(*dx) >= key.width || std::abs(*dy) >= key.height) return false;
  const int ratio = static_cast<int>(key.pixelRatio);
  shiftPixels(image_, *dx * ratio, *dy * ratio);
  key_ = key;
  std::vector<QRect> uncovered;
  if (*dx != 0) {
    uncovered.emplace_back(*dx > 0 ? 0 : key.width + *dx, 0, std::abs(*dx), key.height);
  }
  if (*dy != 0) {
    uncovered.emplace_back(0, *dy > 0 ? 0 : key.height + *dy, key.width, std::abs(*dy));
  }
  for (const QRect& area : uncovered) {
    QPainter painter(&image_);
    painter.setClipRect(area);
    paint(painter, area);
  }
  return true;
}

}  // namespace host::view
