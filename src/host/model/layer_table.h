#pragma once

#include <string>

#include "host/model/entities.h"
#include "host/model/named_table.h"

namespace host::model {

struct Layer {
  std::string name;
  int colour = 7;       // colour index 1..255; 7 is white on dark, black on light
  bool on = true;       // an off layer's entities are kept but neither shown nor snapped to
  bool frozen = false;  // as off; the current layer cannot be frozen
  bool locked = false;  // its entities show and snap, but the user means them to stay as they are

  friend bool operator==(const Layer&, const Layer&) = default;
};

// The drawing's layers. Layer "0" always exists at index 0; indices never change.
class LayerTable : public NamedTable<Layer, LayerIndex> {
 public:
  LayerTable() : NamedTable({Layer{"0", 7}}) {}
};

}  // namespace host::model
