#pragma once

#include <optional>
#include <vector>

#include "host/model/entities.h"
#include "host/view-core/drawing_display.h"
#include "host/view-core/line_weight.h"

namespace host::view {

// How an entity shows.
struct Appearance {
  Rgb colour = kForeground;
  const DashPattern* dashes = nullptr;          // none: continuous
  double dashScale = 1.0;                       // $LTSCALE times the entity's own line type scale
  int lineWeight = kStandardDefaultLineWeight;  // hundredths of a millimetre
};

// Resolves how the entities an expansion reaches show, following it into inserts: inside a
// block an entity on layer "0" takes the insert's layer (is hidden with it, takes its colour
// ByLayer) and one of colour ByBlock the insert's colour, nested inserts passing on what they
// took. Outside any insert ByBlock is the foreground colour. Lineweights resolve the same way;
// by block outside any insert, and a layer's default, is the drawing's default lineweight.
class AppearanceResolver {
 public:
  explicit AppearanceResolver(const DrawingDisplay& display);

  // How `entity` shows where the walk stands; nothing when it is hidden: invisible, or on a
  // layer that is off or frozen.
  std::optional<Appearance> of(const model::Entity& entity) const;
  // Enters an insert's block; false, not entered, when nothing in it can show: the insert is
  // invisible or on a frozen layer. On a layer that is off it is entered, as what its block
  // holds on other layers shows.
  bool enter(const model::Entity& insert);
  void leave() { inserts_.pop_back(); }
  bool insideInsert() const { return !inserts_.empty(); }

 private:
  struct InsertContext {
    model::LayerIndex layer = 0;
    Rgb colour = kForeground;
    const DashPattern* dashes = nullptr;
    int lineWeight = kStandardDefaultLineWeight;
  };

  const DrawingDisplay& display_;
  std::vector<const DashPattern*> layerDashes_;  // by layer index
  std::vector<InsertContext> inserts_;

  model::LayerIndex layerOf(const model::Entity& entity) const;
  const LayerDisplay& layer(model::LayerIndex index) const;
  Rgb colourOf(const model::Entity& entity, model::LayerIndex layer) const;
  const DashPattern* dashesOf(const model::Entity& entity, model::LayerIndex layer) const;
  const DashPattern* lineType(const std::string& name) const;
  int lineWeightOf(const model::Entity& entity, model::LayerIndex layer) const;
  // A lineweight of hundredths, or the drawing's default in place of a stand-in or nonsense.
  int weightOrDefault(int hundredths) const;
};

}  // namespace host::view
