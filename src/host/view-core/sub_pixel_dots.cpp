#include "host/view-core/sub_pixel_dots.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace host::view {
namespace {

// No dot drawn yet: not a colour the palette gives (true colours have no top byte).
constexpr Rgb kNoDot = 0xFF000000;

}  // namespace

SubPixelDots::SubPixelDots(int left, int top, int right, int bottom)
    : left_(left),
      top_(top),
      width_(std::max(right - left, 0)),
      height_(std::max(bottom - top, 0)),
      drawn_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kNoDot) {}

bool SubPixelDots::firstAt(const Eigen::Vector2d& at, Rgb colour) {
  const double x = std::floor(at.x()) - left_;
  const double y = std::floor(at.y()) - top_;
  if (!(x >= 0.0 && y >= 0.0 && x < width_ && y < height_)) return false;
  Rgb& drawn = drawn_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                      static_cast<std::size_t>(x)];
  if (drawn == colour) return false;
  drawn = colour;
  return true;
}

}  // namespace host::view
