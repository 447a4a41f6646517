#include "insert/z_deviation.h"

namespace insert {

void drawZArrow(const VectorCanvas& canvas, const ArrowLayout& layout, const cad::Point3& basePnt,
                const TurnAxis& axis) {
  // A quarter turn about the axis takes the frame's Y axis, along which the arrow was laid
  // out, to its Z axis.
  const Turn standUp{axis.from, axis.to, kPi / 2};
  drawArrowLayout(canvas, basePnt, layout, standUp);
}

}  // namespace insert
