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
  auto active = activeModel();
  if (!active) throw methodFailed("No drawing is open");
  return makeRef<cad::Document, HostDocument>(shared_from_this(), std::move(active));
}

void HostApplication::addDocument(std::shared_ptr<model::Document> document) {
  documents_.push_back(std::move(document));
  active_ = documents_.size() - 1;
}

void HostApplication::closeDocument(const model::Document& document) {
  const auto found =
      std::ranges::find_if(documents_, [&](const auto& open) { return open.get() == &document; });
  if (found == documents_.end()) return;
  const auto index = static_cast<std::size_t>(found - documents_.begin());
  documents_.erase(found);
  if (active_ >= index && active_ > 0) --active_;
}

void HostApplication::activate(const model::Document& document) {
  for (std::size_t i = 0; i < documents_.size(); ++i) {
    if (documents_[i].get() == &document) active_ = i;
  }
}

std::shared_ptr<model::Document> HostApplication::activeModel() const {
  return documents_.empty() ? nullptr : documents_[active_];
}

}  // namespace host
