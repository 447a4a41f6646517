#include "host/view-core/scene.h"

#include <cmath>
#include <limits>
#include <map>
#include <variant>

#include "host/model/block_expansion.h"
#include "host/model/world_geometry.h"
#include "host/view-core/entity_appearance.h"
#include "host/view-core/kept_hatch.h"
#include "host/view-core/kept_insert.h"
#include "host/view-core/kept_polyline.h"
#include "host/view-core/kept_shapes.h"
#include "host/view-core/kept_spline.h"
#include "host/view-core/kept_text.h"
#include "host/view-core/raw_fields.h"
#include "host/view-core/scene_projector.h"

namespace host::view {
namespace {

// Hands each entity that shows to the projector in its colour; entities the document keeps as
// read are drawn where their kind is known.
class SceneBuilder : public model::ExpansionVisitor {
 public:
  SceneBuilder(const model::Document& document, const DrawingDisplay& display, Scene& scene,
               Projector& projector)
      : document_(document), appearances_(display), scene_(scene), projector_(projector) {}

  // Entities of kinds that cannot be drawn.
  std::size_t undrawable() const { return undrawable_; }

  bool visit(const model::Entity& entity, const Eigen::Affine3d& toWorld) override {
    const auto appearance = appearances_.of(entity);
    if (!appearance) return true;
    projector_.setColour(appearance->colour);
    projector_.setDashes(dashesFor(*appearance, toWorld));
    projector_.setLineWeight(static_cast<std::uint16_t>(appearance->lineWeight));
    projector_.setTextLayout(std::holds_alternative<model::MText>(entity.data)
                                 ? TextLayout{{}, TextVertical::Top, true}
                                 : TextLayout{});
    if (const auto* kept = std::get_if<model::UnsupportedEntity>(&entity.data)) {
      drawKept(*kept, toWorld, appearance->colour);
      return true;
    }
    return model::emitEntityGeometry(entity, toWorld, projector_);
  }
  std::optional<model::Insertion> keptInsertion(const model::Entity& entity) override {
    const auto* kept = std::get_if<model::UnsupportedEntity>(&entity.data);
    if (!kept || (kept->type != "INSERT" && kept->type != "DIMENSION")) return std::nullopt;
    auto insertion = view::keptInsertion(document_, *kept);
    if (!insertion) ++undrawable_;
    return insertion;
  }
  bool enter(const model::Entity& insert) override { return appearances_.enter(insert); }
  void leave() override { appearances_.leave(); }

 private:
  const model::Document& document_;
  AppearanceResolver appearances_;
  Scene& scene_;
  Projector& projector_;
  std::size_t undrawable_ = 0;
  std::map<std::pair<const DashPattern*, double>, std::uint16_t> dashIndex_;

  // The scene's pattern for an entity's line type, added when new. Patterns are drawn at the
  // scale of the insert the entity lies in, as its geometry is.
  std::uint16_t dashesFor(const Appearance& appearance, const Eigen::Affine3d& toWorld) {
    if (!appearance.dashes) return 0;
    const Eigen::Matrix3d& linear = toWorld.linear();
    const double scale = appearance.dashScale * 0.5 * (linear.col(0).norm() + linear.col(1).norm());
    const auto [found, added] = dashIndex_.try_emplace({appearance.dashes, scale}, 0);
    if (!added) return found->second;
    // Beyond as many patterns as an index holds, further ones draw continuous.
    if (scene_.dashPatterns.size() > std::numeric_limits<std::uint16_t>::max() ||
        !std::isfinite(scale) || scale <= 0.0) {
      return 0;
    }
    std::vector<double> scaled;
    for (const double length : *appearance.dashes) scaled.push_back(length * scale);
    found->second = static_cast<std::uint16_t>(scene_.dashPatterns.size());
    scene_.dashPatterns.push_back(std::move(scaled));
    return found->second;
  }

  // `colour` is the entity's own, which an insert's attributes take by block.
  void drawKept(const model::UnsupportedEntity& kept, const Eigen::Affine3d& toWorld, Rgb colour) {
    if (kept.type == "TEXT" || kept.type == "ATTDEF") {
      // An attribute definition shows in the block's own drawing, not in its inserts.
      if (kept.type == "ATTDEF" && appearances_.insideInsert()) return;
      draw(keptLineText(kept.type, kept.groups, 0, toWorld));
    } else if (kept.type == "MTEXT") {
      draw(keptMText(kept.groups, toWorld));
    } else if (kept.type == "INSERT") {
      drawAttributes(kept.groups, toWorld, colour);
    } else if (kept.type == "SOLID" || kept.type == "TRACE" || kept.type == "3DFACE") {
      draw(keptFace(kept.type, kept.groups, toWorld));
    } else if (kept.type == "IMAGE") {
      draw(keptImageFrame(kept.groups, toWorld));
    } else if (kept.type == "SPLINE") {
      const auto curve = keptSpline(kept.groups, toWorld);
      if (curve) projector_.polyline(*curve);
      if (!curve) ++undrawable_;
    } else if (kept.type == "DIMENSION") {
      // Its block, which the walk follows, draws it.
    } else if (kept.type == "HATCH") {
      draw(keptHatch(kept.groups, toWorld));
    } else if (kept.type == "LWPOLYLINE" || kept.type == "POLYLINE") {
      draw(keptPolyline(kept.type, kept.groups, toWorld));
    } else {
      ++undrawable_;
    }
  }

  void draw(const std::optional<KeptShapes>& shapes) {
    if (!shapes) {
      ++undrawable_;
      return;
    }
    for (const auto& outline : shapes->outlines) projector_.polyline(outline);
    for (const auto& area : shapes->areas) projector_.fill(area.loops, area.light);
  }

  void draw(const std::optional<PlacedText>& text) {
    if (!text) {
      ++undrawable_;
      return;
    }
    projector_.setTextLayout(text->layout);
    projector_.text(text->text);
  }

  // Attributes lie where the insert does, each with its own layer and colour; by block, the
  // insert's.
  void drawAttributes(const model::RawGroups& groups, const Eigen::Affine3d& toWorld,
                      Rgb insertColour) {
    for (const std::size_t first : attributeRecords(groups)) {
      const model::Entity attribute = keptProperties(groups, first);
      const auto appearance = appearances_.of(attribute);
      if (!appearance) continue;
      const bool byBlock = attribute.properties->colour.index == model::Colour::kByBlock &&
                           !attribute.properties->colour.trueColour;
      projector_.setColour(byBlock ? insertColour : appearance->colour);
      draw(keptLineText("ATTRIB", groups, first, toWorld));
    }
  }

  // An entity of a kept record's layer and properties, for resolving how it shows.
  model::Entity keptProperties(const model::RawGroups& groups, std::size_t first) const {
    const RawFields f(groups, first);
    model::Entity entity;
    entity.layer = document_.layers().find(f.text(8, "0")).value_or(0);
    model::EntityProperties properties;
    properties.colour.index = static_cast<int>(f.whole(62, model::Colour::kByLayer));
    if (f.has(420)) properties.colour.trueColour = static_cast<std::uint32_t>(f.whole(420, 0));
    properties.visible = f.whole(60, 0) == 0;
    entity.properties = properties;
    return entity;
  }
};

}  // namespace

Scene buildScene(const model::Document& document, const Eigen::Matrix3d& worldToView) {
  return buildScene(document, worldToView,
                    document.blocks()[model::BlockTable::kModelSpace].entities);
}

Scene buildScene(const model::Document& document, const Eigen::Matrix3d& worldToView,
                 std::span<const model::Entity> entities) {
  Scene scene;
  Projector projector(scene, worldToView);
  const DrawingDisplay display = drawingDisplay(document);
  scene.pointStyle = display.pointStyle;
  SceneBuilder builder(document, display, scene, projector);
  scene.notShown = model::expandBlocks(document, entities, builder).total();
  scene.notShown += projector.unplaced() + builder.undrawable();
  return scene;
}

}  // namespace host::view
