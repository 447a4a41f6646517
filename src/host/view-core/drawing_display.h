#pragma once

#include <vector>

#include "host/model/document.h"
#include "host/view-core/colour_palette.h"

namespace host::view {

// How a layer's entities are shown. The document models a layer's name and colour; whether it
// is off or frozen, and a true colour, come from its entry in the file the drawing was read
// from (a new layer is on, thawed, of its colour index).
struct LayerDisplay {
  Rgb colour = kForeground;
  bool on = true;
  bool frozen = false;

  bool shown() const { return on && !frozen; }
};

// How the drawing's tables say its entities are shown.
struct DrawingDisplay {
  std::vector<LayerDisplay> layers;  // by layer index
};

DrawingDisplay drawingDisplay(const model::Document& document);

}  // namespace host::view
