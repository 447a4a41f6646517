#include "host/view-core/layer_changes.h"

namespace host::view {
namespace {

constexpr const char* kStepName = "LAYER";

}  // namespace

std::optional<std::string> changeLayer(model::Document& document, model::LayerIndex layer,
                                       const model::Layer& wanted) {
  const model::Layer& now = document.layers()[layer];
  if (wanted.colour < 1 || wanted.colour > 255) {
    return "A layer's colour is an index from 1 to 255.";
  }
  if (wanted.frozen && !now.frozen && document.header().currentLayer == layer) {
    return "The current layer cannot be frozen.";
  }
  model::Layer changed = wanted;
  changed.name = now.name;
  if (changed == now) return std::nullopt;
  model::Document::UndoGroup step(document, kStepName);
  document.setLayer(layer, changed);
  return std::nullopt;
}

std::optional<std::string> makeLayerCurrent(model::Document& document, model::LayerIndex layer) {
  if (document.layers()[layer].frozen) return "A frozen layer cannot be made current.";
  model::HeaderVariables header = document.header();
  if (header.currentLayer == layer) return std::nullopt;
  header.currentLayer = layer;
  model::Document::UndoGroup step(document, kStepName);
  document.setHeader(header);
  return std::nullopt;
}

}  // namespace host::view
