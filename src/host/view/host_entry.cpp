#include "host/view/host_entry.h"

namespace host::view {

std::optional<Eigen::Vector3d> WindowPointSource::requestPoint(
    model::Document& document, const std::string& prompt,
    const std::optional<Eigen::Vector3d>& basePoint) {
  if (!window_) return std::nullopt;
  return window_->requestPoint(document, prompt, {.basePoint = basePoint});
}

void WindowViewControl::zoomWindow(const model::Document& document, const Eigen::Vector3d& corner,
                                   const Eigen::Vector3d& opposite) {
  if (!window_) return;
  if (DrawingView* view = window_->viewOf(document)) view->zoomWindow(corner, opposite);
}

void WindowViewControl::highlight(const model::Document& document, model::Handle handle,
                                  bool highlighted) {
  if (!window_) return;
  if (DrawingView* view = window_->viewOf(document)) view->setHighlighted(handle, highlighted);
}

std::unique_ptr<HostWindow> openHostWindow(std::shared_ptr<HostApplication> application,
                                           std::optional<OpenDrawing> drawing) {
  if (application->documents().empty() && !drawing) {
    application->addDocument(std::make_shared<model::Document>());
  }
  auto window = std::make_unique<HostWindow>(application);
  if (drawing) window->open(std::move(*drawing));
  application->setPointSource(std::make_shared<WindowPointSource>(window.get()));
  application->setWindowControl(std::make_shared<WindowViewControl>(window.get()));
  window->show();
  return window;
}

}  // namespace host::view
