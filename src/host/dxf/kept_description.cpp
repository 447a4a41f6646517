#include "host/dxf/kept_description.h"

#include "host/dxf/display_settings.h"
#include "host/dxf/fields.h"
#include "host/dxf/kept_hatch.h"
#include "host/dxf/kept_insert.h"
#include "host/dxf/kept_polyline.h"
#include "host/dxf/kept_shapes.h"
#include "host/dxf/kept_spline.h"
#include "host/dxf/kept_text.h"
#include "host/dxf/source_drawing.h"

namespace host::dxf {
namespace {

std::optional<model::KeptDrawing> drawing(std::optional<model::KeptShapes>&& shapes) {
  if (!shapes) return std::nullopt;
  return model::KeptDrawing{std::move(*shapes), {}, {}};
}

std::optional<model::KeptDrawing> drawing(std::optional<model::PlacedText>&& text) {
  if (!text) return std::nullopt;
  return model::KeptDrawing{{}, {std::move(*text)}, {}};
}

// An entity of a kept record's layer and properties, for resolving how it shows.
model::Entity keptProperties(const model::Document& document, const model::RawGroups& groups,
                             std::size_t first) {
  const Fields f(groups, first);
  model::Entity entity;
  entity.layer = document.layers().find(f.text(8, "0")).value_or(0);
  model::EntityProperties properties;
  properties.colour.index = static_cast<int>(f.whole(62, model::Colour::kByLayer));
  if (f.has(420)) properties.colour.trueColour = static_cast<std::uint32_t>(f.whole(420, 0));
  properties.visible = f.whole(60, 0) == 0;
  entity.properties = properties;
  return entity;
}

// The attributes that follow an insert, each with its own layer and properties.
model::KeptDrawing attributes(const model::Document& document, const model::RawGroups& groups,
                              const Eigen::Affine3d& toWorld) {
  model::KeptDrawing drawn;
  for (const std::size_t first : attributeRecords(groups)) {
    drawn.attributes.push_back(
        {keptProperties(document, groups, first), keptLineText("ATTRIB", groups, first, toWorld)});
  }
  return drawn;
}

}  // namespace

model::DisplaySettings KeptDescription::displaySettings(const model::Document& document) const {
  const SourceDrawing* source = sourceOf(document);
  return source ? dxf::displaySettings(*source, document) : model::DisplaySettings{};
}

std::optional<model::KeptDrawing> KeptDescription::keptDrawing(const model::Document& document,
                                                               const model::UnsupportedEntity& kept,
                                                               const Eigen::Affine3d& toWorld,
                                                               bool insideInsert) const {
  if (kept.type == "TEXT" || kept.type == "ATTDEF") {
    // An attribute definition shows in the block's own drawing, not in its inserts.
    if (kept.type == "ATTDEF" && insideInsert) return model::KeptDrawing{};
    return drawing(keptLineText(kept.type, kept.groups, 0, toWorld));
  }
  if (kept.type == "MTEXT") return drawing(keptMText(kept.groups, toWorld));
  if (kept.type == "INSERT") return attributes(document, kept.groups, toWorld);
  if (kept.type == "SOLID" || kept.type == "TRACE" || kept.type == "3DFACE") {
    return drawing(keptFace(kept.type, kept.groups, toWorld));
  }
  if (kept.type == "IMAGE") return drawing(keptImageFrame(kept.groups, toWorld));
  if (kept.type == "SPLINE") {
    auto curve = keptSpline(kept.groups, toWorld);
    if (!curve) return std::nullopt;
    return model::KeptDrawing{{{std::move(*curve)}, {}}, {}, {}};
  }
  // Its block, which the walk follows, draws a dimension.
  if (kept.type == "DIMENSION") return model::KeptDrawing{};
  if (kept.type == "HATCH") return drawing(keptHatch(kept.groups, toWorld));
  if (kept.type == "LWPOLYLINE" || kept.type == "POLYLINE") {
    return drawing(keptPolyline(kept.type, kept.groups, toWorld));
  }
  return std::nullopt;
}

bool KeptDescription::inserts(const model::UnsupportedEntity& kept) const {
  return kept.type == "INSERT" || kept.type == "DIMENSION";
}

std::optional<model::Insertion> KeptDescription::keptInsertion(
    const model::Document& document, const model::UnsupportedEntity& kept) const {
  return dxf::keptInsertion(document, kept);
}

const model::DrawingDescription* SourceDrawing::description() const {
  static const KeptDescription kDescription;
  return &kDescription;
}

}  // namespace host::dxf
