#include "host/view/drawing_image.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <thread>
#include <vector>

#include <QPainter>

namespace host::view {
namespace {

// Fewer rows than this are not worth a thread.
constexpr int kRowsPerBand = 64;
constexpr int kMostBands = 8;

// Paints the image in bands of rows, each on its own thread, into the image's own memory.
void paintInBands(QImage& image, const DrawingImage::Painter& paint) {
  const int rows = image.height();
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  const int bands = std::clamp(std::min(cores, rows / kRowsPerBand), 1, kMostBands);
  uchar* const bits = image.bits();
  const qreal ratio = image.devicePixelRatio();
  std::vector<std::exception_ptr> failures(static_cast<std::size_t>(bands));
  const auto paintBand = [&](int band) {
    try {
      const int first = rows * band / bands;
      const int end = rows * (band + 1) / bands;
      QImage part(bits + first * image.bytesPerLine(), image.width(), end - first,
                  image.bytesPerLine(), image.format());
      part.setDevicePixelRatio(ratio);
      QPainter painter(&part);
      painter.translate(0.0, -first / ratio);
      paint(painter, static_cast<int>(std::floor(first / ratio)),
            static_cast<int>(std::ceil(end / ratio)));
    } catch (...) {
      failures[static_cast<std::size_t>(band)] = std::current_exception();
    }
  };
  std::vector<std::thread> helpers;
  for (int band = 1; band < bands; ++band) helpers.emplace_back(paintBand, band);
  paintBand(0);
  for (auto& helper : helpers) helper.join();
  for (const auto& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
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

}  // namespace host::view
