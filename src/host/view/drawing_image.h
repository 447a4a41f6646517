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
// drawing, its highlight or how it is shown has changed). It is painted in horizontal bands,
// one per processor core, at the same time; after a pan by whole pixels it is moved, and only
// what the pan uncovered is painted.
class DrawingImage {
 public:
  // Paints, in widget coordinates, what lies in `area` of the widget, with a painter that
  // paints only there. Called on several threads at once, one area each: it must only read what
  // it shares.
  using Painter = std::function<void(QPainter& painter, const QRect& area)>;

  // The image for this view, painted by `paint` when out of date.
  const QImage& image(const ViewProjection& projection, qreal pixelRatio, const Painter& paint);
  // Paints more over the image when it is the one for this view (pieces appended to the
  // drawing, drawn last), else leaves it to be painted whole when next shown.
  void paintOver(const ViewProjection& projection, qreal pixelRatio, const Painter& paint);
  void invalidate() { key_.reset(); }

 private:
  struct Key {
    double scale;
    Eigen::Vector2d centre;
    Eigen::Matrix3d orientation;
    int width, height;
    qreal pixelRatio;

    Key(const ViewProjection& projection, qreal pixelRatio);
    bool operator==(const Key& other) const;
  };

  QImage image_;
  std::optional<Key> key_;

  // Moves the image with a pan by whole pixels from its key to `key` and paints what the pan
  // uncovered; false, with nothing done, when the view changed otherwise.
  bool scroll(const Key& key, const Painter& paint);
};

}  // namespace host::view
