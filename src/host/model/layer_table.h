#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/model/entities.h"

namespace host::model {

struct Layer {
  std::string name;
  int colour = 7;  // colour index 1..255; 7 is white on dark, black on light
};

// The drawing's layers. Layer "0" always exists at index 0; indices never change.
class LayerTable {
 public:
  LayerTable();

  std::optional<LayerIndex> find(std::string_view name) const;
  const Layer& operator[](LayerIndex index) const { return layers_.at(index); }
  std::size_t size() const { return layers_.size(); }
  const std::vector<Layer>& all() const { return layers_; }

  // Changed through the document, which records the change for undo.
  LayerIndex add(Layer layer);
  void set(LayerIndex index, Layer layer);
  void removeLast();

 private:
  std::vector<Layer> layers_;
};

}  // namespace host::model
