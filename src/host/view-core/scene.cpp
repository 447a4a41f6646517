#include "host/view-core/scene.h"

#include <cmath>
#include <limits>
#include <map>
#include <variant>

#include "host/model/block_expansion.h"
#include "host/model/drawing_description.h"
#include "host/model/world_geometry.h"
#include "host/view-core/entity_appearance.h"
#include "host/view-core/scene_projector.h"

namespace host::view {
namespace {

// Hands each entity that shows to the projector in its colour; entities the document keeps as
// read are drawn where their kind is known.
class SceneBuilder : public model::ExpansionVisitor {
 public:
  SceneBuilder(const model::Document& document, const DrawingDisplay& display, Scene& scene,
               Projector& projector)
      : document_(document),
        description_(model::descriptionOf(document)),
        appearances_(display),
        scene_(scene),
        projector_(projector) {}

  // Entities of kinds that cannot be drawn.
  std::size_t undrawable() const { return undrawable_; }

  bool visit(const model::Entity& entity, const Eigen::Affine3d& toWorld) override {
    const auto appearance = appearances_.of(entity);
    if (!appearance) return true;
    projector_.setColour(appearance->colour);
    projector_.setDashes(dashesFor(*appearance, toWorld));
    projector_.setLineWeight(static_cast<std::uint16_t>(appearance->lineWeight));
    projector_.setTextLayout(std::holds_alternative<model::MText>(entity.data)
                                 ? model::TextLayout{{}, model::TextVertical::Top, true}
                                 : model::TextLayout{});
    if (const auto* kept = std::get_if<model::UnsupportedEntity>(&entity.data)) {
      drawKept(*kept, toWorld, appearance->colour);
      return true;
    }
    return model::emitEntityGeometry(entity, toWorld, projector_);
  }
  std::optional<model::Insertion> keptInsertion(const model::Entity& entity) override {
    const auto* kept = std::get_if<model::UnsupportedEntity>(&entity.data);
    if (!kept || !description_ || !description_->inserts(*kept)) return std::nullopt;
    auto insertion = description_->keptInsertion(document_, *kept);
    if (!insertion) ++undrawable_;
    return insertion;
  }
  bool enter(const model::Entity& insert) override { return appearances_.enter(insert); }
  void leave() override { appearances_.leave(); }

 private:
  const model::Document& document_;
  const model::DrawingDescription* description_;  // null: nothing kept as read
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
    const auto drawing = description_ ? description_->keptDrawing(document_, kept, toWorld,
                                                                  appearances_.insideInsert())
                                      : std::nullopt;
    if (!drawing) {
      ++undrawable_;
      return;
    }
    for (const auto& outline : drawing->shapes.outlines) projector_.polyline(outline);
    for (const auto& area : drawing->shapes.areas) projector_.fill(area.loops, area.light);
    for (const auto& text : drawing->texts) draw(text);
    for (const auto& attribute : drawing->attributes) draw(attribute, colour);
  }

  void draw(const model::PlacedText& text) {
    projector_.setTextLayout(text.layout);
    projector_.text(text.text);
  }

  // Attributes lie where the insert does, each with its own layer and colour; by block, the
  // insert's.
  void draw(const model::KeptAttribute& attribute, Rgb insertColour) {
    const auto appearance = appearances_.of(attribute.entity);
    if (!appearance) return;
    const model::Colour& own = attribute.entity.properties->colour;
    const bool byBlock = own.index == model::Colour::kByBlock && !own.trueColour;
    projector_.setColour(byBlock ? insertColour : appearance->colour);
    if (attribute.text) {
      draw(*attribute.text);
    } else {
      ++undrawable_;
    }
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
