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
// one per processor core, at the same time.
class DrawingImage {
 public:
  // Paints, in widget coordinates, what lies in the widget's rows from `firstRow` to before
  // `endRow`, with a painter that paints only those. Called on several threads at once, one band
  // each: it must only read what it shares.
  using Painter = std::function<void(QPainter& painter, int firstRow, int endRow)>;

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
};

}  // namespace host::view
