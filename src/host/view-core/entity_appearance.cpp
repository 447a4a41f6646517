#include "host/view-core/entity_appearance.h"

namespace host::view {

std::optional<Appearance> AppearanceResolver::of(const model::Entity& entity) const {
  if (!entity.properties.visible) return std::nullopt;
  const model::LayerIndex on = layerOf(entity);
  if (!layer(on).shown()) return std::nullopt;
  return Appearance{colourOf(entity, on)};
}

bool AppearanceResolver::enter(const model::Entity& insert) {
  const model::LayerIndex on = layerOf(insert);
  if (!insert.properties.visible || layer(on).frozen) return false;
  inserts_.push_back({on, colourOf(insert, on)});
  return true;
}

model::LayerIndex AppearanceResolver::layerOf(const model::Entity& entity) const {
  return entity.layer == 0 && !inserts_.empty() ? inserts_.back().layer : entity.layer;
}

const LayerDisplay& AppearanceResolver::layer(model::LayerIndex index) const {
  static const LayerDisplay kUnknown;
  return index < display_.layers.size() ? display_.layers[index] : kUnknown;
}

Rgb AppearanceResolver::colourOf(const model::Entity& entity, model::LayerIndex on) const {
  const model::Colour& colour = entity.properties.colour;
  if (colour.trueColour) return *colour.trueColour & 0xFFFFFF;
  if (colour.index == model::Colour::kByLayer) return layer(on).colour;
  if (colour.index == model::Colour::kByBlock) {
    return inserts_.empty() ? kForeground : inserts_.back().colour;
  }
  return indexColour(colour.index);
}

}  // namespace host::view
