#include "host/view-core/drawing_display.h"

#include <utility>

#include "host/model/drawing_description.h"

namespace host::view {
namespace {

// What the file's entry of a layer adds to the document's layer.
void apply(const model::LayerLook& look, LayerDisplay& display) {
  display.lineType = look.lineType;
  display.lineWeight = look.lineWeight;
  if (look.trueColour) display.colour = static_cast<Rgb>(*look.trueColour);
}

}  // namespace

DrawingDisplay drawingDisplay(const model::Document& document) {
  DrawingDisplay display;
  const auto& layers = document.layers().all();
  display.layers.reserve(layers.size());
  for (const model::Layer& layer : layers) {
    display.layers.push_back(
        {indexColour(layer.colour), layer.on, layer.frozen, {}, kLineWeightDefault});
  }
  const model::DrawingDescription* description = model::descriptionOf(document);
  if (!description) return display;
  model::DisplaySettings settings = description->displaySettings(document);
  for (std::size_t i = 0; i < settings.layers.size() && i < display.layers.size(); ++i) {
    if (settings.layers[i]) apply(*settings.layers[i], display.layers[i]);
  }
  display.lineTypes = std::move(settings.lineTypes);
  display.lineTypeScale = settings.lineTypeScale.value_or(display.lineTypeScale);
  display.pointStyle.mode = settings.pointMode.value_or(display.pointStyle.mode);
  display.pointStyle.size = settings.pointSize.value_or(display.pointStyle.size);
  display.defaultLineWeight = settings.defaultLineWeight.value_or(display.defaultLineWeight);
  display.lineWeightsShown = settings.lineWeightsShown.value_or(display.lineWeightsShown);
  return display;
}

}  // namespace host::view
