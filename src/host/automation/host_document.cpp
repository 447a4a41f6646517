#include "host/automation/host_document.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/host_application.h"
#include "host/automation/host_blocks.h"
#include "host/automation/host_layers.h"
#include "host/automation/host_model_space.h"
#include "host/automation/host_text_styles.h"
#include "host/automation/host_ucs.h"
#include "host/automation/host_utility.h"
#include "host/automation/make_ref.h"
#include "host/model/system_variables.h"

namespace host {

HostDocument::HostDocument(std::shared_ptr<HostApplication> application,
                           std::shared_ptr<HostedDrawing> document)
    : application_(std::move(application)), document_(std::move(document)) {}

cad::Ref<cad::ModelSpace> HostDocument::ModelSpace() {
  return makeRef<cad::ModelSpace, HostModelSpace>(document_);
}

cad::Ref<cad::Utility> HostDocument::Utility() {
  return makeRef<cad::Utility, HostUtility>(application_, document_);
}

cad::Variable HostDocument::GetVariable(const std::string& name) {
  return guardedCall(*document_, [&]() -> cad::Variable {
    return std::visit([](const auto& value) -> cad::Variable { return value; },
                      model::systemVariable(document_->model(), name));
  });
}

cad::Ref<cad::TextStyles> HostDocument::TextStyles() {
  return makeRef<cad::TextStyles, HostTextStyles>(document_);
}

cad::Ref<cad::TextStyle> HostDocument::ActiveTextStyle() {
  return makeRef<cad::TextStyle, HostTextStyle>(document_, document_->model().activeTextStyle());
}

void HostDocument::ActiveTextStyle(const cad::Ref<cad::TextStyle>& style) {
  const auto* hosted = dynamic_cast<const HostTextStyle*>(style.operator->());
  if (!hosted || hosted->document() != document_) {
    throw methodFailed("Invalid input: the text style belongs to another drawing");
  }
  guardedCall(*document_, [&] { document_->model().setActiveTextStyle(hosted->style()); });
}

cad::Ref<cad::Blocks> HostDocument::Blocks() {
  return makeRef<cad::Blocks, HostBlocks>(document_);
}

cad::Ref<cad::UserCoordinateSystems> HostDocument::UserCoordinateSystems() {
  return makeRef<cad::UserCoordinateSystems, HostUserCoordinateSystems>(document_);
}

cad::Ref<cad::UCS> HostDocument::ActiveUCS() {
  const model::Ucs& current = document_->model().currentUcs();
  if (current.name.empty()) return makeRef<cad::UCS, HostUcs>(document_, current.frame);
  return makeRef<cad::UCS, HostUcs>(document_, current.name);
}

cad::Ref<cad::Layers> HostDocument::Layers() {
  return makeRef<cad::Layers, HostLayers>(document_);
}

cad::Ref<cad::Layer> HostDocument::ActiveLayer() {
  return makeRef<cad::Layer, HostLayer>(document_, document_->model().header().currentLayer);
}

void HostDocument::ActiveLayer(const cad::Ref<cad::Layer>& layer) {
  const auto* hosted = dynamic_cast<const HostLayer*>(layer.operator->());
  if (!hosted || hosted->document() != document_) {
    throw methodFailed("Invalid input: the layer belongs to another drawing");
  }
  model::HeaderVariables header = document_->model().header();
  header.currentLayer = hosted->layer();
  guardedCall(*document_, [&] { document_->model().setHeader(header); });
}

std::shared_ptr<model::Document> modelOf(const cad::Ref<cad::Document>& document) {
  const auto* hosted = dynamic_cast<const HostDocument*>(document.shared().get());
  return hosted ? hosted->model() : nullptr;
}

}  // namespace host
