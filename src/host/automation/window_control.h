#pragma once

#include <Eigen/Geometry>

#include "host/model/document.h"

namespace host {

// What automation calls change in the drawing window besides the drawing: the part of it the
// window shows, and which entities look selected. Without a window nothing shows them.
class WindowControl {
 public:
  virtual ~WindowControl() = default;
  // Shows the box with these corners (world) in the window of `document`.
  virtual void zoomWindow(const model::Document& document, const Eigen::Vector3d& corner,
                          const Eigen::Vector3d& opposite) = 0;
  // Shows the entity `handle` of `document` selected, or as usual.
  virtual void highlight(const model::Document& document, model::Handle handle,
                         bool highlighted) = 0;
};

}  // namespace host
