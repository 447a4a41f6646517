#include "host/view-core/entity_appearance.h"

#include <algorithm>
#include <cmath>

#include "host/model/names.h"

namespace host::view {

AppearanceResolver::AppearanceResolver(const DrawingDisplay& display) : display_(display) {
  layerDashes_.reserve(display.layers.size());
  for (const LayerDisplay& layer : display.layers) layerDashes_.push_back(lineType(layer.lineType));
}

std::optional<Appearance> AppearanceResolver::of(const model::Entity& entity) const {
  if (!entity.properties->visible) return std::nullopt;
  const model::LayerIndex on = layerOf(entity);
  if (!layer(on).shown()) return std::nullopt;
  const double scale = entity.properties->lineTypeScale;
  return Appearance{colourOf(entity, on), dashesOf(entity, on),
                    display_.lineTypeScale * (std::isfinite(scale) && scale > 0.0 ? scale : 1.0),
                    lineWeightOf(entity, on)};
}

bool AppearanceResolver::enter(const model::Entity& insert) {
  const model::LayerIndex on = layerOf(insert);
  if (!insert.properties->visible || layer(on).frozen) return false;
  inserts_.push_back({on, colourOf(insert, on), dashesOf(insert, on), lineWeightOf(insert, on)});
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
  const model::Colour& colour = entity.properties->colour;
  if (colour.trueColour) return *colour.trueColour & 0xFFFFFF;
  if (colour.index == model::Colour::kByLayer) return layer(on).colour;
  if (colour.index == model::Colour::kByBlock) {
    return inserts_.empty() ? kForeground : inserts_.back().colour;
  }
  return indexColour(colour.index);
}

const DashPattern* AppearanceResolver::dashesOf(const model::Entity& entity,
                                                model::LayerIndex on) const {
  const std::string& name = entity.properties->lineType.str();
  if (name.empty() || model::sameName(name, "ByLayer")) {
    return on < layerDashes_.size() ? layerDashes_[on] : nullptr;
  }
  if (model::sameName(name, "ByBlock")) return inserts_.empty() ? nullptr : inserts_.back().dashes;
  return lineType(model::foldedName(name));
}

const DashPattern* AppearanceResolver::lineType(const std::string& folded) const {
  const auto found = display_.lineTypes.find(folded);
  return found == display_.lineTypes.end() ? nullptr : &found->second;
}

int AppearanceResolver::lineWeightOf(const model::Entity& entity, model::LayerIndex on) const {
  const int weight = entity.properties->lineWeight;
  if (weight == kLineWeightByLayer) return weightOrDefault(layer(on).lineWeight);
  if (weight == kLineWeightByBlock) {
    return inserts_.empty() ? display_.defaultLineWeight : inserts_.back().lineWeight;
  }
  return weightOrDefault(weight);
}

int AppearanceResolver::weightOrDefault(int hundredths) const {
  if (hundredths < 0) return display_.defaultLineWeight;
  return std::min(hundredths, kHeaviestLineWeight);
}

}  // namespace host::view
