#include "host/view/host_entry.h"

namespace host::view {

std::optional<Eigen::Vector3d> WindowPointSource::requestPoint(
    model::Document& document, const std::string& prompt,
    const std::optional<Eigen::Vector3d>& basePoint) {
  if (!window_) return std::nullopt;
  return window_->requestPoint(document, prompt, {.basePoint = basePoint});
}

std::unique_ptr<HostWindow> openHostWindow(std::shared_ptr<HostApplication> application,
                                           std::optional<OpenDrawing> drawing) {
  if (application->documents().empty() && !drawing) {
    application->addDocument(std::make_shared<model::Document>());
  }
  auto window = std::make_unique<HostWindow>(application);
  if (drawing) window->open(std::move(*drawing));
  application->setPointSource(std::make_shared<WindowPointSource>(window.get()));
  window->show();
  return window;
}

}  // namespace host::view
