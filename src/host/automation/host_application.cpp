#include "host/automation/host_application.h"

#include <algorithm>

#include "host/automation/call_guard.h"
#include "host/automation/host_document.h"
#include "host/automation/make_ref.h"
#include "host/automation/scripted_point_source.h"

namespace host {

HostApplication::HostApplication() : pointSource_(std::make_shared<ScriptedPointSource>()) {}

std::shared_ptr<HostApplication> HostApplication::withNewDrawing() {
  auto application = std::make_shared<HostApplication>();
  application->addDocument(std::make_shared<model::Document>());
  return application;
}

cad::Ref<cad::Document> HostApplication::ActiveDocument() {
  if (drawings_.empty()) throw methodFailed("No drawing is open");
  return makeRef<cad::Document, HostDocument>(shared_from_this(), drawings_[active_]);
}

void HostApplication::ZoomWindow(const cad::Point3& lowerLeft, const cad::Point3& upperRight) {
  if (drawings_.empty()) throw methodFailed("No drawing is open");
  if (!lowerLeft.allFinite() || !upperRight.allFinite()) {
    throw methodFailed("The corners of the window must be finite points");
  }
  if (window_) window_->zoomWindow(*drawings_[active_]->document(), lowerLeft, upperRight);
}

void HostApplication::setWindowControl(std::shared_ptr<WindowControl> window) {
  window_ = std::move(window);
  for (const auto& drawing : drawings_) drawing->setWindow(window_);
}

void HostApplication::addDocument(std::shared_ptr<model::Document> document) {
  drawings_.push_back(std::make_shared<HostedDrawing>(std::move(document)));
  drawings_.back()->setWindow(window_);
  active_ = drawings_.size() - 1;
}

void HostApplication::closeDocument(const model::Document& document) {
  const auto found = std::ranges::find_if(
      drawings_, [&](const auto& open) { return open->document().get() == &document; });
  if (found == drawings_.end()) return;
  (*found)->close();
  const auto index = static_cast<std::size_t>(found - drawings_.begin());
  drawings_.erase(found);
  if (active_ >= index && active_ > 0) --active_;
}

void HostApplication::activate(const model::Document& document) {
  for (std::size_t i = 0; i < drawings_.size(); ++i) {
    if (drawings_[i]->document().get() == &document) active_ = i;
  }
}

std::vector<std::shared_ptr<model::Document>> HostApplication::documents() const {
  std::vector<std::shared_ptr<model::Document>> open;
  for (const auto& drawing : drawings_) open.push_back(drawing->document());
  return open;
}

std::shared_ptr<model::Document> HostApplication::activeModel() const {
  return drawings_.empty() ? nullptr : drawings_[active_]->document();
}

}  // namespace host
