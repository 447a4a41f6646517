#pragma once

#include <cstdint>

#include "host/dxf/write_context.h"

// The groups of a kept table entry that the document's layers, text styles and UCSs model,
// written with the document's values over those read.
namespace host::dxf {

// The layer flags (70) the document models: frozen (1) and locked (4).
constexpr std::int64_t kLayerStateFlags = 1 | 4;
inline std::int64_t layerStateFlags(const model::Layer& layer) {
  return (layer.frozen ? 1 : 0) | (layer.locked ? 4 : 0);
}

// The name (2), colour (62, negative while the layer is off) and state flags (70).
Patch layerPatch(const WriteContext& context, model::LayerIndex layer);
// The font file (3) and fixed height (40).
Patch stylePatch(const WriteContext& context, model::StyleIndex style);
// The origin (10, 20, 30) and the X and Y axes (11 ..., 12 ...).
Patch ucsPatch(const WriteContext& context, const model::Ucs& ucs);

// Whether the document's layer, text style or UCS differs from what the file's entry gave.
template <class Entry>
bool entryChanged(const SourceTableEntry& entry, const Entry& now) {
  const auto* read = std::get_if<Entry>(&entry.asRead);
  return read == nullptr || !(*read == now);
}

}  // namespace host::dxf
