#pragma once

#include <functional>
#include <optional>

#include <QImage>

#include "host/view-core/view_projection.h"

class QPainter;

namespace host::view {

// The drawing as last painted, kept between repaints: a mouse move that only moves the snap
// marker or a rubber band shows it again instead of painting every entity anew. It is painted
// again when the view has moved (zoom, pan, direction, size) or after invalidate() (the
// drawing, its highlight or how it is shown has changed).
class DrawingImage {
 public:
  using Painter = std::function<void(QPainter&)>;

  // The image for this view, painted by `paint` (in widget coordinates) when out of date.
  const QImage& image(const ViewProjection& projection, qreal pixelRatio, const Painter& paint);
  void invalidate() { key_.reset(); }

 private:
  struct Key {
    double scale;
    Eigen::Vector2d centre;
    Eigen::Matrix3d orientation;
    int width, height;
    qreal pixelRatio;

    bool operator==(const Key& other) const;
  };

  QImage image_;
  std::optional<Key> key_;
};

}  // namespace host::view
