#pragma once

#include <vector>

#include <QPainter>
#include <QPointF>

namespace host::view {

// A square of `side` pixels around the pixel a painter puts the point `at` in.
struct PixelDot {
  QPointF at;
  int side = 1;
};

// Paints the dots in the painter's pen colour, aliased, as QPainter::drawPoint would paint a dot
// of one pixel and fillRect the squares of the others. A dense drawing seen whole has hundreds
// of thousands of dots; where the painter paints an opaque pen straight into an image, moved by
// whole pixels at most, they are written into its pixels, several times faster.
void paintPixelDots(QPainter& painter, const std::vector<PixelDot>& dots);

}  // namespace host::view
