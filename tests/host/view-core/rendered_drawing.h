#pragma once

#include <optional>

#include "host/view-core/recording_canvas.h"
#include "host/view-core/renderer.h"
#include "host/view-core/scene.h"

namespace host::view {

// A drawing painted from the top, the world square (0, 0) to (100, 100) filling a window of
// 400 by 400 pixels, with what it painted recorded; lineweights shown as `lineWeights` says.
struct RenderedDrawing {
  explicit RenderedDrawing(const model::Document& document,
                           const LineWeightDisplay& lineWeights = {}) {
    projection.setViewport(400, 400);
    projection.setOrientation(viewOrientation(StandardView::Top));
    scene = buildScene(document, projection.orientation());
    projection.fit(Eigen::AlignedBox2d(Eigen::Vector2d(0, 0), Eigen::Vector2d(100, 100)));
    renderScene(scene, projection, canvas, {lineWeights});
  }

  Eigen::Vector2d screen(double x, double y) const { return projection.worldToScreen({x, y, 0}); }

  // The colour of the entity stroke passing within a pixel of world point (x, y), the last
  // painted where several do; nothing where none does.
  std::optional<Rgb> colourAt(double x, double y) const {
    const auto stroke = strokeAt(x, y);
    return stroke ? std::optional(stroke->colour) : std::nullopt;
  }

  // The width in pixels of the entity stroke passing within a pixel of world point (x, y), the
  // last painted where several do; nothing where none does.
  std::optional<double> widthAt(double x, double y) const {
    const auto stroke = strokeAt(x, y);
    return stroke ? std::optional(stroke->width) : std::nullopt;
  }

  std::optional<RecordingCanvas::Stroke> strokeAt(double x, double y) const {
    const Eigen::Vector2d at = screen(x, y);
    std::optional<RecordingCanvas::Stroke> found;
    for (const auto& stroke : canvas.strokes) {
      const std::size_t n = stroke.points.size();
      const std::size_t segments = stroke.closed ? n : n - 1;
      for (std::size_t i = 0; n > 0 && i < segments; ++i) {
        if (distanceToSegment(at, stroke.points[i], stroke.points[(i + 1) % n]) <= 1.0) {
          found = stroke;
        }
      }
    }
    return found;
  }

  // The colour of the filled area holding world point (x, y), the last painted where several
  // do; nothing where none does.
  std::optional<Rgb> fillAt(double x, double y) const {
    const Eigen::Vector2d at = screen(x, y);
    std::optional<Rgb> found;
    for (const auto& fill : canvas.fills) {
      bool inside = false;
      for (const auto& loop : fill.loops) inside = inside != contains(loop, at);
      if (inside) found = fill.colour;
    }
    return found;
  }

  // Even-odd rule.
  static bool contains(const std::vector<Eigen::Vector2d>& polygon, const Eigen::Vector2d& p) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
      const Eigen::Vector2d& a = polygon[i];
      const Eigen::Vector2d& b = polygon[j];
      if ((a.y() > p.y()) != (b.y() > p.y()) &&
          p.x() < (b.x() - a.x()) * (p.y() - a.y()) / (b.y() - a.y()) + a.x()) {
        inside = !inside;
      }
    }
    return inside;
  }

  static double distanceToSegment(const Eigen::Vector2d& p, const Eigen::Vector2d& a,
                                  const Eigen::Vector2d& b) {
    const Eigen::Vector2d ab = b - a;
    const double length = ab.squaredNorm();
    const double t = length == 0.0 ? 0.0 : std::clamp((p - a).dot(ab) / length, 0.0, 1.0);
    return (a + t * ab - p).norm();
  }

  ViewProjection projection;
  Scene scene;
  RecordingCanvas canvas;
};

}  // namespace host::view
