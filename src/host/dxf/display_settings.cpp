#include "host/dxf/display_settings.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "host/dxf/fields.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

// Lineweights in hundredths of a millimetre: the heaviest standard one, and the stand-in for
// the drawing's default.
constexpr std::int64_t kHeaviestLineWeight = 211;
constexpr int kLineWeightDefault = -3;

// What a layer's file entry adds to the document's layer. A true colour counts only while
// the layer's colour is as read: one the user has given since takes its place.
model::LayerLook lookOf(const SourceTableEntry& entry, const model::Layer& layer) {
  const Fields fields(entry.record.groups);
  model::LayerLook look;
  look.lineType = model::foldedName(fields.text(6));
  look.lineWeight = static_cast<int>(fields.whole(370, kLineWeightDefault));
  const auto* asRead = std::get_if<model::Layer>(&entry.asRead);
  if (fields.has(420) && asRead && *asRead == layer) {
    look.trueColour = static_cast<std::uint32_t>(fields.whole(420, 0) & 0xFFFFFF);
  }
  return look;
}

// The dashes and gaps of a line type's entry: its 49 groups, in order.
std::vector<double> dashesOf(const model::RawGroups& groups) {
  std::vector<double> pattern;
  for (const auto& [code, value] : groups) {
    if (code == 49) pattern.push_back(realOf(value).value_or(0.0));
  }
  // A pattern without a dash (or without length) draws as a continuous line.
  const bool dashed = std::ranges::any_of(pattern, [](double d) { return d > 0.0; }) &&
                      std::ranges::any_of(pattern, [](double d) { return d < 0.0; });
  return dashed ? pattern : std::vector<double>{};
}

void readLineTypes(const SourceDrawing& source, model::DisplaySettings& settings) {
  if (const SourceTable* table = source.table("LTYPE")) {
    for (const SourceTableEntry& entry : table->entries) {
      std::vector<double> pattern = dashesOf(entry.record.groups);
      if (!pattern.empty()) settings.lineTypes[model::foldedName(entry.name)] = std::move(pattern);
    }
  }
}

void readHeader(const SourceDrawing& source, model::DisplaySettings& settings) {
  for (const SourceHeaderVariable& variable : source.header) {
    const Fields fields(variable.groups);
    if (variable.name == "$LTSCALE") {
      const double scale = fields.real(40, 1.0);
      if (std::isfinite(scale) && scale > 0.0) settings.lineTypeScale = scale;
    } else if (variable.name == "$PDMODE") {
      settings.pointMode = static_cast<int>(fields.whole(70, 0) & 0xFF);
    } else if (variable.name == "$PDSIZE") {
      const double size = fields.real(40, 0.0);
      settings.pointSize = std::isfinite(size) && std::abs(size) < 1e12 ? size : 0.0;
    } else if (variable.name == "$LWDEFAULT") {
      const std::int64_t weight = fields.whole(370, -1);
      if (weight >= 0 && weight <= kHeaviestLineWeight) settings.defaultLineWeight = int(weight);
    } else if (variable.name == "$LWDISPLAY") {
      settings.lineWeightsShown = fields.whole(290, 0) != 0;
    }
  }
}

}  // namespace

model::DisplaySettings displaySettings(const SourceDrawing& source,
                                       const model::Document& document) {
  model::DisplaySettings settings;
  const auto& layers = document.layers().all();
  settings.layers.resize(layers.size());
  readLineTypes(source, settings);
  readHeader(source, settings);
  const SourceTable* table = source.table("LAYER");
  if (!table) return settings;
  for (const SourceTableEntry& entry : table->entries) {
    if (entry.modelIndex >= layers.size() ||
        !model::sameName(layers[entry.modelIndex].name, entry.name))
      continue;
    // A later entry of the same layer overrides an earlier one, its true colour only if given.
    model::LayerLook look = lookOf(entry, layers[entry.modelIndex]);
    std::optional<model::LayerLook>& earlier = settings.layers[entry.modelIndex];
    if (!look.trueColour && earlier) look.trueColour = earlier->trueColour;
    earlier = std::move(look);
  }
  return settings;
}

}  // namespace host::dxf
