#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "host/view-core/canvas.h"
#include "host/view/pixel_dots.h"

namespace host::view {

// Paints canvas calls with a QPainter on the dark drawing background: the drawing in its
// colours, the foreground colour light; or, on paper, the foreground colour black.
class QtCanvas : public Canvas {
 public:
  enum class Surface { Screen, Paper };
  explicit QtCanvas(QPainter& painter, Surface surface = Surface::Screen);
  // Paints the dots still waiting.
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void setInk(Ink ink) override;
  void setColour(Rgb colour) override;
  void setLineWidth(double pixels) override;
  void polyline(const std::vector<Eigen::Vector2d>& points, bool closed) override;
  void dot(const Eigen::Vector2d& at) override;
  void fill(const std::vector<std::vector<Eigen::Vector2d>>& loops, bool light) override;
  void text(const std::string& text, const Eigen::Affine2d& textToScreen,
            const TextFit& fit) override;
  void marker(const Eigen::Vector2d& at, Marker marker) override;

  static QColor background();

 private:
  QPainter& painter_;
  QColor foreground_;
  QFont font_;
  double capHeight_ = 1.0;
  // Dots of the current colour, painted together before anything else is painted or the
  // colour changes: one call for thousands instead of one each.
  std::vector<PixelDot> dots_;
  int dotSide_ = 1;

  void paintDots();
};

}  // namespace host::view
