#include "host/view-core/view_projection.h"

#include <algorithm>
#include <cmath>

namespace host::view {
namespace {

Eigen::Matrix3d fromAxes(const Eigen::Vector3d& right, const Eigen::Vector3d& up) {
  Eigen::Matrix3d m;
  m.row(0) = right.normalized();
  m.row(1) = up.normalized();
  m.row(2) = right.normalized().cross(up.normalized());
  return m;
}

// Zoom stays within these pixels per unit so that the view arithmetic keeps its precision.
constexpr double kMinScale = 1e-9;
constexpr double kMaxScale = 1e9;

}  // namespace

Eigen::Matrix3d viewOrientation(StandardView view) {
  switch (view) {
    case StandardView::Top:
      return fromAxes({1, 0, 0}, {0, 1, 0});
    case StandardView::Front:
      return fromAxes({1, 0, 0}, {0, 0, 1});
    case StandardView::Right:
      return fromAxes({0, 1, 0}, {0, 0, 1});
    case StandardView::SouthWestIso:
      return fromAxes({1, -1, 0}, {1, 1, 2});
    case StandardView::SouthEastIso:
      return fromAxes({1, 1, 0}, {-1, 1, 2});
  }
  return Eigen::Matrix3d::Identity();
}

Eigen::Matrix3d planOrientation(const geom::Frame& ucs) {
  return fromAxes(ucs.xAxis(), ucs.yAxis());
}

ViewProjection::ViewProjection() = default;

void ViewProjection::setOrientation(const Eigen::Matrix3d& worldToView) {
  worldToView_ = worldToView;
}

void ViewProjection::setViewport(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
}

Eigen::Vector2d ViewProjection::viewToScreen(const Eigen::Vector2d& view) const {
  return {0.5 * width_ + (view.x() - centre_.x()) * scale_,
          0.5 * height_ - (view.y() - centre_.y()) * scale_};
}

Eigen::Vector2d ViewProjection::screenToView(const Eigen::Vector2d& screen) const {
  return {centre_.x() + (screen.x() - 0.5 * width_) / scale_,
          centre_.y() - (screen.y() - 0.5 * height_) / scale_};
}

Eigen::Vector2d ViewProjection::worldToScreen(const Eigen::Vector3d& world) const {
  return viewToScreen(worldToView(world).head<2>());
}

std::optional<Eigen::Vector3d> ViewProjection::screenToPlane(const Eigen::Vector2d& screen,
                                                             const geom::Frame& plane) const {
  const Eigen::Vector2d view = screenToView(screen);
  // Line of sight: the view point at view depth 0, running along the view's Z axis.
  const Eigen::Vector3d onLine = worldToView_.transpose() * Eigen::Vector3d(view.x(), view.y(), 0);
  const Eigen::Vector3d direction = worldToView_.row(2).transpose();
  const Eigen::Vector3d normal = plane.zAxis();
  const double across = direction.dot(normal);
  if (std::abs(across) < 1e-9) return std::nullopt;
  const double t = (plane.origin() - onLine).dot(normal) / across;
  return onLine + t * direction;
}

void ViewProjection::zoomAbout(const Eigen::Vector2d& screen, double factor) {
  const Eigen::Vector2d anchor = screenToView(screen);
  scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
  // Move the centre so that the anchor maps back to the same pixel.
  centre_ = anchor - Eigen::Vector2d((screen.x() - 0.5 * width_) / scale_,
                                     -(screen.y() - 0.5 * height_) / scale_);
}

void ViewProjection::panByPixels(const Eigen::Vector2d& delta) {
  centre_ += Eigen::Vector2d(-delta.x() / scale_, delta.y() / scale_);
}

void ViewProjection::show(const Eigen::Vector2d& centre, double scale) {
  centre_ = centre;
  scale_ = std::clamp(scale, kMinScale, kMaxScale);
}

void ViewProjection::fit(const Eigen::AlignedBox2d& viewBox) {
  if (viewBox.isEmpty()) {
    centre_ = Eigen::Vector2d::Zero();
    return;
  }
  // Halves first: the sum of two coordinates near the largest number would overflow.
  centre_ = 0.5 * viewBox.min() + 0.5 * viewBox.max();
  const Eigen::Vector2d size = viewBox.sizes();
  constexpr double kMargin = 0.9;
  const double sx = size.x() > 0 ? kMargin * width_ / size.x() : kMaxScale;
  const double sy = size.y() > 0 ? kMargin * height_ / size.y() : kMaxScale;
  double fitted = std::min(sx, sy);
  // A single point (or several at one spot) keeps the current scale.
  if (size.x() <= 0 && size.y() <= 0) fitted = scale_;
  scale_ = std::clamp(fitted, kMinScale, kMaxScale);
}

}  // namespace host::view
