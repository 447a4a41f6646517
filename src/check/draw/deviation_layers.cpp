#include "check/draw/deviation_layers.h"

#include <string>

#include "insert/arrow_block.h"

namespace check::draw {
namespace {

bool hasLayer(cad::Layers& layers, const std::string& name) {
  try {
    layers.Item(name);
    return true;
  } catch (const cad::AutomationError&) {
    return false;  // Item fails for a layer the drawing lacks: that is how one asks
  }
}

void addLayer(cad::Layers& layers, const std::string& name, cad::Color colour) {
  if (hasLayer(layers, name)) return;
  layers.Add(name)->color(colour);
}

}  // namespace

void addDeviationLayers(cad::Document& drawing) {
  const cad::Ref<cad::Layers> layers = drawing.Layers();
  addLayer(*layers, kPassLayer, kPassColor);
  addLayer(*layers, kFailLayer, kFailColor);
  addLayer(*layers, kMissingLayer, kMissingColor);
}

void addOutsideLayer(cad::Document& drawing) {
  addLayer(*drawing.Layers(), kOutsideLayer, kOutsideColor);
}

void addArrowBlock(cad::Document& drawing) {
  const cad::Ref<cad::Blocks> blocks = drawing.Blocks();
  for (const cad::Ref<cad::BlockDefinition>& block : blocks->Enumerate()) {
    if (insert::isArrowBlockName(block->Name())) return;
  }
  blocks->Add(cad::Point3::Zero(), insert::kArrowBlockName)
      ->Add3DPoly(insert::arrowBlockVertices());
}

}  // namespace check::draw
