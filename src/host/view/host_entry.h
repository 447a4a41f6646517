#pragma once

#include <memory>
#include <optional>

#include "host/automation/host_application.h"
#include "host/view/host_window.h"

namespace host::view {

// Puts a window on a host application: one tab per open drawing (a new, empty drawing when
// none is open), `drawing` opened into it and made active when given, the window shown and made
// the application's point source, so that GetPoint asks the user in it, and its window
// control, so that zooms and highlights show in it. The caller owns the
// window; closing it asks about unsaved drawings and hides it. A request that arrives after
// the window is gone is cancelled.
std::unique_ptr<HostWindow> openHostWindow(std::shared_ptr<HostApplication> application,
                                           std::optional<OpenDrawing> drawing = std::nullopt);

// A point source that asks a host window, and cancels once the window is gone.
class WindowPointSource : public PointSource {
 public:
  explicit WindowPointSource(HostWindow* window) : window_(window) {}

  std::optional<Eigen::Vector3d> requestPoint(
      model::Document& document, const std::string& prompt,
      const std::optional<Eigen::Vector3d>& basePoint) override;

 private:
  QPointer<HostWindow> window_;
};

// Zooms and highlights asked for through automation, shown in the drawing's tab of a host
// window; nothing once the window or the drawing's tab is gone.
class WindowViewControl : public WindowControl {
 public:
  explicit WindowViewControl(HostWindow* window) : window_(window) {}

  void zoomWindow(const model::Document& document, const Eigen::Vector3d& corner,
                  const Eigen::Vector3d& opposite) override;
  void highlight(const model::Document& document, model::Handle handle, bool highlighted) override;

 private:
  QPointer<HostWindow> window_;
};

}  // namespace host::view
