#include "host/view-core/sub_pixel_dots.h"

#include <algorithm>
#include <cstddef>

namespace host::view {
namespace {

// No dot drawn yet: not a colour and side a dot has.
constexpr Rgb kNoDot = 0xFF000000;

}  // namespace

SubPixelDots::SubPixelDots(int left, int top, int right, int bottom)
    : left_(left),
      top_(top),
      width_(std::max(right - left, 0)),
      height_(std::max(bottom - top, 0)),
      drawn_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), kNoDot) {}

bool SubPixelDots::firstAt(const Eigen::Vector2d& at, Rgb colour, int side) {
  // The pixel a painter puts a point in: rounded half away from zero, which for what can reach
  // a pixel of the screen (from half a pixel before it) is the sum below, truncated. The check
  // also keeps far points from overflowing the conversion.
  if (!(at.x() > -0.5 && at.y() > -0.5 && at.x() < left_ + width_ && at.y() < top_ + height_)) {
    return false;
  }
  const int x = static_cast<int>(at.x() + 0.5) - left_;
  const int y = static_cast<int>(at.y() + 0.5) - top_;
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  Rgb& drawn = drawn_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                      static_cast<std::size_t>(x)];
  // Colours are 24 bits: the side goes above them, and stays below kNoDot.
  const Rgb dot = colour | static_cast<Rgb>(std::clamp(side, 1, 254)) << 24;
  if (drawn == dot) return false;
  drawn = dot;
  return true;
}

}  // namespace host::view
