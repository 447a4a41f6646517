#include "host/model/layer_table.h"

#include <utility>

#include "host/model/names.h"

namespace host::model {

LayerTable::LayerTable() : layers_{Layer{"0", 7}} {}

std::optional<LayerIndex> LayerTable::find(std::string_view name) const {
  for (std::size_t i = 0; i < layers_.size(); ++i) {
    if (sameName(layers_[i].name, name)) return static_cast<LayerIndex>(i);
  }
  return std::nullopt;
}

LayerIndex LayerTable::add(Layer layer) {
  layers_.push_back(std::move(layer));
  return static_cast<LayerIndex>(layers_.size() - 1);
}

void LayerTable::set(LayerIndex index, Layer layer) {
  layers_.at(index) = std::move(layer);
}

void LayerTable::removeLast() {
  layers_.pop_back();
}

}  // namespace host::model
