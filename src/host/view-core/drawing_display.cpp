#include "host/view-core/drawing_display.h"

#include <variant>

#include "host/dxf/source_drawing.h"
#include "host/model/names.h"
#include "host/view-core/raw_fields.h"

namespace host::view {
namespace {

constexpr std::int64_t kFrozen = 1;  // layer flags, group 70

// What a layer's file entry adds to the document's layer. A true colour counts only while
// the layer's colour is as read: one the user has given since takes its place.
void applyEntry(const dxf::SourceTableEntry& entry, const model::Layer& layer,
                LayerDisplay& display) {
  const RawFields fields(entry.record.groups);
  display.on = fields.whole(62, 7) >= 0;
  display.frozen = (fields.whole(70, 0) & kFrozen) != 0;
  const auto* asRead = std::get_if<model::Layer>(&entry.asRead);
  if (fields.has(420) && asRead && *asRead == layer) {
    display.colour = static_cast<Rgb>(fields.whole(420, 0) & 0xFFFFFF);
  }
}

}  // namespace

DrawingDisplay drawingDisplay(const model::Document& document) {
  DrawingDisplay display;
  const auto& layers = document.layers().all();
  display.layers.reserve(layers.size());
  for (const model::Layer& layer : layers) display.layers.push_back({indexColour(layer.colour)});
  const dxf::SourceDrawing* source = dxf::sourceOf(document);
  const dxf::SourceTable* table = source ? source->table("LAYER") : nullptr;
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
