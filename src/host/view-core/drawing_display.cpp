#include "host/view-core/drawing_display.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "host/dxf/source_drawing.h"
#include "host/model/names.h"
#include "host/view-core/raw_fields.h"

namespace host::view {
namespace {

// What a layer's file entry adds to the document's layer. A true colour counts only while
// the layer's colour is as read: one the user has given since takes its place.
void applyEntry(const dxf::SourceTableEntry& entry, const model::Layer& layer,
                LayerDisplay& display) {
  const RawFields fields(entry.record.groups);
  display.lineType = model::foldedName(fields.text(6));
  display.lineWeight = static_cast<int>(fields.whole(370, kLineWeightDefault));
  const auto* asRead = std::get_if<model::Layer>(&entry.asRead);
  if (fields.has(420) && asRead && *asRead == layer) {
    display.colour = static_cast<Rgb>(fields.whole(420, 0) & 0xFFFFFF);
  }
}

// The dashes and gaps of a line type's entry: its 49 groups, in order.
DashPattern dashesOf(const model::RawGroups& groups) {
  DashPattern pattern;
  for (const auto& [code, value] : groups) {
    if (code == 49) pattern.push_back(realOf(value).value_or(0.0));
  }
  // A pattern without a dash (or without length) draws as a continuous line.
  const bool dashed = std::ranges::any_of(pattern, [](double d) { return d > 0.0; }) &&
                      std::ranges::any_of(pattern, [](double d) { return d < 0.0; });
  return dashed ? pattern : DashPattern{};
}

void readLineTypes(const dxf::SourceDrawing& source, DrawingDisplay& display) {
  if (const dxf::SourceTable* table = source.table("LTYPE")) {
    for (const dxf::SourceTableEntry& entry : table->entries) {
      DashPattern pattern = dashesOf(entry.record.groups);
      if (!pattern.empty()) display.lineTypes[model::foldedName(entry.name)] = std::move(pattern);
    }
  }
}

void readHeader(const dxf::SourceDrawing& source, DrawingDisplay& display) {
  for (const dxf::SourceHeaderVariable& variable : source.header) {
    const RawFields fields(variable.groups);
    if (variable.name == "$LTSCALE") {
      const double scale = fields.real(40, 1.0);
      if (std::isfinite(scale) && scale > 0.0) display.lineTypeScale = scale;
    } else if (variable.name == "$PDMODE") {
      display.pointStyle.mode = static_cast<int>(fields.whole(70, 0) & 0xFF);
    } else if (variable.name == "$PDSIZE") {
      const double size = fields.real(40, 0.0);
      display.pointStyle.size = std::isfinite(size) && std::abs(size) < 1e12 ? size : 0.0;
    } else if (variable.name == "$LWDEFAULT") {
      const std::int64_t weight = fields.whole(370, kStandardDefaultLineWeight);
      if (weight >= 0 && weight <= kHeaviestLineWeight) display.defaultLineWeight = int(weight);
    } else if (variable.name == "$LWDISPLAY") {
      display.lineWeightsShown = fields.whole(290, 0) != 0;
    }
  }
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
  const dxf::SourceDrawing* source = dxf::sourceOf(document);
  if (!source) return display;
  readLineTypes(*source, display);
  readHeader(*source, display);
  const dxf::SourceTable* table = source->table("LAYER");
  if (!table) return display;
  for (const dxf::SourceTableEntry& entry : table->entries) {
    if (entry.modelIndex >= layers.size() ||
        !model::sameName(layers[entry.modelIndex].name, entry.name))
      continue;
    applyEntry(entry, layers[entry.modelIndex], display.layers[entry.modelIndex]);
  }
  return display;
}

}  // namespace host::view
