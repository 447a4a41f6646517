#pragma once

#include <optional>

#include <Eigen/Geometry>

#include "host/geom/frame.h"

namespace host::view {

// The standard directions a drawing is looked at from.
enum class StandardView { Top, Front, Right, SouthWestIso, SouthEastIso };

// The orientation of a view: rows are the view's X (right), Y (up) and Z (towards the viewer)
// axes in world coordinates, so that multiplying a world vector gives view coordinates.
Eigen::Matrix3d viewOrientation(StandardView view);
// Looking down the Z axis of a UCS, its X axis to the right.
Eigen::Matrix3d planOrientation(const geom::Frame& ucs);

// An orthographic view onto a widget of `width` x `height` pixels. View coordinates depend on
// the orientation only, so geometry projected once stays valid while the user zooms and pans;
// screen coordinates are pixels with Y down.
class ViewProjection {
 public:
  ViewProjection();

  void setOrientation(const Eigen::Matrix3d& worldToView);
  const Eigen::Matrix3d& orientation() const { return worldToView_; }
  void setViewport(int width, int height);
  int width() const { return width_; }
  int height() const { return height_; }
  // Pixels per drawing unit.
  double scale() const { return scale_; }
  const Eigen::Vector2d& centre() const { return centre_; }

  Eigen::Vector3d worldToView(const Eigen::Vector3d& world) const { return worldToView_ * world; }
  Eigen::Vector2d viewToScreen(const Eigen::Vector2d& view) const;
  Eigen::Vector2d screenToView(const Eigen::Vector2d& screen) const;
  Eigen::Vector2d worldToScreen(const Eigen::Vector3d& world) const;
  // The world point where the line of sight through a screen position meets a plane, or none
  // when the plane is seen edge-on.
  std::optional<Eigen::Vector3d> screenToPlane(const Eigen::Vector2d& screen,
                                               const geom::Frame& plane) const;

  // Scales by `factor` keeping the point under `screen` where it is.
  void zoomAbout(const Eigen::Vector2d& screen, double factor);
  void panByPixels(const Eigen::Vector2d& delta);
  // Shows the whole of `viewBox` (view coordinates) with a small margin. An empty box leaves
  // the view centred on the origin at the current scale.
  void fit(const Eigen::AlignedBox2d& viewBox);
  // Shows `centre` (view coordinates) in the middle at `scale` pixels per drawing unit.
  void show(const Eigen::Vector2d& centre, double scale);

 private:
  Eigen::Matrix3d worldToView_ = Eigen::Matrix3d::Identity();
  int width_ = 1;
  int height_ = 1;
  double scale_ = 1.0;
  Eigen::Vector2d centre_ = Eigen::Vector2d::Zero();
};

}  // namespace host::view
