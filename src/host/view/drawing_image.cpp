#include "host/view/drawing_image.h"

#include <cmath>

#include <QPainter>

namespace host::view {

bool DrawingImage::Key::operator==(const Key& other) const {
  return scale == other.scale && centre == other.centre && orientation == other.orientation &&
         width == other.width && height == other.height && pixelRatio == other.pixelRatio;
}

const QImage& DrawingImage::image(const ViewProjection& projection, qreal pixelRatio,
                                  const Painter& paint) {
  const Key key{projection.scale(), projection.centre(), projection.orientation(),
                projection.width(), projection.height(), pixelRatio};
  if (key_ && *key_ == key) return image_;
  key_ = key;
  if (key.width <= 0 || key.height <= 0) {
    image_ = QImage();
    return image_;
  }
  image_ = QImage(static_cast<int>(std::ceil(key.width * pixelRatio)),
                  static_cast<int>(std::ceil(key.height * pixelRatio)), QImage::Format_RGB32);
  image_.setDevicePixelRatio(pixelRatio);
  QPainter painter(&image_);
  paint(painter);
  return image_;
}

}  // namespace host::view
