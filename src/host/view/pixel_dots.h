#pragma once

#include <vector>

#include <QPainter>
#include <QPointF>

namespace host::view {

// Paints one pixel at each point in the painter's pen colour, as an aliased QPainter::drawPoints
// would. A dense drawing seen whole has hundreds of thousands of dots; where the painter paints
// an opaque pen straight into an image, they are written into its pixels, several times faster.
void paintPixelDots(QPainter& painter, const std::vector<QPointF>& dots);

}  // namespace host::view
