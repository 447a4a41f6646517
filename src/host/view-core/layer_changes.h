#pragma once

#include <optional>
#include <string>

#include "host/model/document.h"

namespace host::view {

// Changes to a drawing's layers as the Layers panel makes them, each one undo step named
// "LAYER". Each returns why it was refused (the drawing is then unchanged), or nothing.

// Gives a layer the state and colour of `wanted`; its name stays. The current layer cannot be
// frozen, and a colour is an index from 1 to 255.
std::optional<std::string> changeLayer(model::Document& document, model::LayerIndex layer,
                                       const model::Layer& wanted);

// Makes the layer the one new entities go on. A frozen layer cannot be made current.
std::optional<std::string> makeLayerCurrent(model::Document& document, model::LayerIndex layer);

}  // namespace host::view
