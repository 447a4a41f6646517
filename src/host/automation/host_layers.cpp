#include "host/automation/host_layers.h"

#include <string_view>
#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/make_ref.h"
#include "host/geom/invalid_input.h"

namespace host {
namespace {

// The characters a layer name cannot hold, as CAD programs refuse them.
constexpr std::string_view kForbiddenInNames = "<>/\\\":;?*|,=`";

void requireLayerName(const std::string& name) {
  if (name.empty()) throw InvalidInput("a layer needs a name");
  if (name.find_first_of(kForbiddenInNames) != std::string::npos) {
    throw InvalidInput("the layer name \"" + name + "\" must not hold any of " +
                       std::string(kForbiddenInNames));
  }
}

}  // namespace

HostLayer::HostLayer(std::shared_ptr<HostedDrawing> document, model::LayerIndex layer)
    : document_(std::move(document)), layer_(layer) {}

model::LayerIndex HostLayer::layer() const {
  if (layer_ >= document_->model().layers().size()) throw methodFailed("The layer has been erased");
  return layer_;
}

std::string HostLayer::Name() {
  return document_->model().layers()[layer()].name;
}

cad::Color HostLayer::color() {
  return document_->model().layers()[layer()].colour;
}

void HostLayer::color(cad::Color value) {
  model::Layer changed = document_->model().layers()[layer()];
  guardedCall(*document_, [&] {
    if (value < 1 || value > 255) {
      throw InvalidInput("a layer's colour must be a colour index from 1 to 255");
    }
    changed.colour = value;
    document_->model().setLayer(layer_, changed);
  });
}

HostLayers::HostLayers(std::shared_ptr<HostedDrawing> document) : document_(std::move(document)) {}

cad::Ref<cad::Layer> HostLayers::Add(const std::string& name) {
  return guardedCall(*document_, [&]() -> cad::Ref<cad::Layer> {
    requireLayerName(name);
    return makeRef<cad::Layer, HostLayer>(document_,
                                          document_->model().addLayer(model::Layer{name}));
  });
}

cad::Ref<cad::Layer> HostLayers::Item(const std::string& name) {
  return guardedCall(*document_, [&]() -> cad::Ref<cad::Layer> {
    return makeRef<cad::Layer, HostLayer>(document_, existingLayer(document_->model(), name));
  });
}

model::LayerIndex existingLayer(const model::Document& document, const std::string& name) {
  const auto found = document.layers().find(name);
  if (!found) throw InvalidInput("the layer \"" + name + "\" does not exist");
  return *found;
}

}  // namespace host
