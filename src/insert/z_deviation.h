#pragma once

#include <cstddef>
#include <string>

#include "insert/arrow_deviation.h"
#include "insert/vector_canvas.h"
#include "insert/vector_spec.h"

namespace insert {

// The Z deviation drawn for 3D views: laid out like a Y deviation at `basePnt` and stood up a
// quarter turn about `axis`, a line parallel to the frame's X axis through the base point, so
// that it points along the frame's Z axis with its label upright beside the tip.
void drawZArrow(const VectorCanvas& canvas, const ArrowLayout& layout, const cad::Point3& basePnt,
                const TurnAxis& axis);

// The label of a Z bubble and its width in characters. A positive value gains a plus sign;
// zero reads plus-minus 0, written with the text code that displays as two characters.
struct BubbleLabel {
  std::string text;
  std::size_t length = 0;
};
BubbleLabel bubbleLabel(const Deviation& z);

// Where a grouped bubble's label starts: in the quadrant the X and Y arrows point into, its
// near corner 1.75 text heights from the base point along each axis. An axis not drawn counts
// as positive.
cad::Point3 clearOfArrows(const VectorSpec& vectors, const cad::Point3& basePnt,
                          const BubbleLabel& label);

// The Z deviation drawn for plan views: the label from `labelPnt` in an ellipse, flat in the
// frame's XY plane.
void drawZBubble(const VectorCanvas& canvas, const BubbleLabel& label, const cad::Point3& labelPnt);

}  // namespace insert
