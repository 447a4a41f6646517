#pragma once

#include <vector>

#include <Eigen/Core>

#include "host/view-core/colour_palette.h"

namespace host::view {

// A dense drawing seen whole is mostly entities smaller than a pixel. Each is drawn as a dot,
// and one dot of a colour per pixel is enough: painting then costs what the screen's pixels
// cost, not what the drawing's entities do.
class SubPixelDots {
 public:
  // For the screen's pixels from (left, top) to before (right, bottom); dots elsewhere are not
  // drawn.
  SubPixelDots(int left, int top, int right, int bottom);

  // Whether an entity this small on screen is drawn as a dot.
  static bool isDot(const Eigen::Vector2d& sizeInPixels) { return sizeInPixels.maxCoeff() < 1.0; }
  // Whether a dot of `colour` and `side` (see dotSide) at `at` (screen pixels) is still to be
  // drawn; it is remembered. A dot centred off the screen never is.
  bool firstAt(const Eigen::Vector2d& at, Rgb colour, int side = 1);

 private:
  int left_;
  int top_;
  int width_;
  int height_;
  std::vector<Rgb> drawn_;  // the colour and side of each pixel's dot, row by row
};

}  // namespace host::view
