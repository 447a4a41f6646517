#pragma once

#include <Eigen/Geometry>

#include "host/view-core/canvas.h"

namespace host::view {

// How points are shown, as the drawing's $PDMODE and $PDSIZE say. The mode's last digit picks
// the figure (0 a dot, 1 nothing, 2 a plus, 3 a cross, 4 a tick upwards); adding 32 circles
// it, adding 64 boxes it. A size above 0 is in drawing units, below 0 a percentage of the
// view's height, 0 five percent of it.
struct PointStyle {
  int mode = 0;
  double size = 0.0;
};

// Paints a point at `at` (screen pixels) in `style`; `pixelsPerUnit` and `viewHeight` (pixels)
// size it.
void paintPoint(Canvas& canvas, const Eigen::Vector2d& at, const PointStyle& style,
                double pixelsPerUnit, double viewHeight);

}  // namespace host::view
