#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/text_layout.h"
#include "host/view-core/colour_palette.h"

namespace host::view {

// What a stroke is drawn as; the painter picks the colour of all but the drawing's own.
enum class Ink { Entity, UcsIcon, SnapMarker };

enum class Marker { Point, Endpoint, Centre, Insertion };

// How a line of text lies along its baseline (as the drawing gives it).
using model::TextFit;

// The side in whole pixels of the square a dot fills where lines are `width` pixels wide: a
// heavy line stays as wide as its weight, however short.
inline int dotSide(double width) {
  return width < 1.5 ? 1 : static_cast<int>(std::min(width, 1e6) + 0.5);
}
// Lines wider than this are drawn as lines however short: a dot of theirs would hide much.
inline constexpr int kWidestDot = 16;

// A drawing surface in screen pixels (Y down). The renderer draws only through this, so a test
// can record what would be painted; a QPainter implementation paints it.
class Canvas {
 public:
  virtual ~Canvas() = default;
  virtual void setInk(Ink ink) = 0;
  // The colour of what follows in Ink::Entity, until told another.
  virtual void setColour(Rgb colour) = 0;
  // The width in pixels of the lines that follow, until told another; every ink starts one
  // pixel wide.
  virtual void setLineWidth(double pixels) = 0;
  virtual void polyline(const std::vector<Eigen::Vector2d>& points, bool closed) = 0;
  // A dot for what is smaller than a pixel: the pixel at `at` or, where lines are wider, a
  // square of dotSide(width) pixels around it; here a line one pixel long from it. A drawing
  // seen whole has hundreds of thousands, which a canvas may paint together.
  virtual void dot(const Eigen::Vector2d& at) {
    polyline({at, at + Eigen::Vector2d(1.0, 0.0)}, false);
  }
  // An area within closed loops filled by the even-odd rule, in the current colour, or lightly
  // (a pattern too dense to draw); outlined too, so that an area narrower than a pixel shows.
  virtual void fill(const std::vector<std::vector<Eigen::Vector2d>>& loops, bool light) = 0;
  // A line of text: `textToScreen` maps text coordinates (X along the baseline, Y up, glyphs
  // one unit high) to screen pixels, so text lying in any plane is drawn exactly.
  virtual void text(const std::string& text, const Eigen::Affine2d& textToScreen,
                    const TextFit& fit) = 0;
  virtual void marker(const Eigen::Vector2d& at, Marker marker) = 0;
};

}  // namespace host::view
