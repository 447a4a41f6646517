#pragma once

#include <optional>
#include <string>

#include "cad/automation.h"
#include "insert/vector_canvas.h"

namespace insert {

// The direction a positive deviation's arrow points in, before any turn.
enum class ArrowDirection { AlongX, AlongY };

// Where the arrows and the label of one deviation lie, in the frame's coordinates.
struct ArrowLayout {
  double arrowRot = 0.0;
  std::string labelText;
  cad::Point3 textPnt;
  // A zero deviation is a double-headed arrow: a second arrow from the first one's tip back
  // to the base point.
  std::optional<cad::Point3> arrow2Pnt;
  double arrow2Rot = 0.0;
};

// Lays out a deviation of `value`, read from `devText`, at `basePnt` with text height `h`.
// A negative deviation points the arrow the other way and its label drops the text's first
// character, the minus sign, which the arrow already shows.
ArrowLayout layoutArrow(ArrowDirection direction, const std::string& devText, double value,
                        const cad::Point3& basePnt, double h);

// A turn given to each entity after it is placed.
struct Turn {
  cad::Point3 axisPoint1;
  cad::Point3 axisPoint2;
  double angle = 0.0;
};

// Inserts the arrow (two for a zero deviation) and adds the label, each placed into the frame
// and then turned, if a turn is given, before the next one is created.
void drawArrowLayout(const VectorCanvas& canvas, const cad::Point3& basePnt,
                     const ArrowLayout& layout, const std::optional<Turn>& turn);

}  // namespace insert
