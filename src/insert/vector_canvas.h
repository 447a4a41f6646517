#pragma once

#include "cad/automation.h"

namespace insert {

// Pi to twelve decimals. Every angle of the drawing derives from it, so arrows keep exactly
// the rotations they have always been drawn with.
inline constexpr double kPi = 3.141592653589;

// What every entity of one drawing of deviations is made with: the model space, the matrix of
// the frame it is laid out in, and the text height that also scales the arrows.
struct VectorCanvas {
  cad::ModelSpace& space;
  cad::Matrix4 frame;
  double textHeight = 0.0;
};

// Moves a newly created entity, built in the frame's coordinates, into the frame.
void place(const VectorCanvas& canvas, cad::Entity& entity);

// A computed point; a coordinate beyond the range of a double fails with 6 "Overflow".
cad::Point3 checkedPoint(double x, double y, double z);

}  // namespace insert
