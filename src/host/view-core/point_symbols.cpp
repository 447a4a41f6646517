#include "host/view-core/point_symbols.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace host::view {
namespace {

constexpr int kCircled = 32, kBoxed = 64;
constexpr int kCircleChords = 24;

}  // namespace

void paintPoint(Canvas& canvas, const Eigen::Vector2d& at, const PointStyle& style,
                double pixelsPerUnit, double viewHeight) {
  if (style.mode == 0) {
    canvas.marker(at, Marker::Point);
    return;
  }
  const double size = style.size > 0.0   ? style.size * pixelsPerUnit
                      : style.size < 0.0 ? -style.size / 100.0 * viewHeight
                                         : 0.05 * viewHeight;
  const double h = 0.5 * size;
  using V = Eigen::Vector2d;
  switch (style.mode % 8) {
    case 0:
      canvas.marker(at, Marker::Point);
      break;
    case 2:
      canvas.polyline({at - V(h, 0), at + V(h, 0)}, false);
      canvas.polyline({at - V(0, h), at + V(0, h)}, false);
      break;
    case 3:
      canvas.polyline({at - V(h, h), at + V(h, h)}, false);
      canvas.polyline({at - V(h, -h), at + V(h, -h)}, false);
      break;
    case 4:
      canvas.polyline({at, at - V(0, h)}, false);  // up the screen
      break;
    default:
      break;
  }
  if (style.mode & kCircled) {
    std::vector<V> circle;
    for (int k = 0; k < kCircleChords; ++k) {
      const double angle = 2.0 * std::numbers::pi * k / kCircleChords;
      circle.push_back(at + h * V(std::cos(angle), std::sin(angle)));
    }
    canvas.polyline(circle, true);
  }
  if (style.mode & kBoxed) {
    canvas.polyline({at + V(-h, -h), at + V(h, -h), at + V(h, h), at + V(-h, h)}, true);
  }
}

}  // namespace host::view
