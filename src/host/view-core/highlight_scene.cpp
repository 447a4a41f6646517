#include "host/view-core/highlight_scene.h"

#include <vector>

namespace host::view {
namespace {

// Light blue, apart from the drawing's colours on the dark background.
constexpr Rgb kHighlightColour = 0x80c0ff;
// Pixels of each dash and each gap.
constexpr double kDash = 6.0;
constexpr double kGap = 4.0;

}  // namespace

Scene highlightScene(const model::Document& document, const Eigen::Matrix3d& worldToView,
                     const std::set<model::Handle>& handles) {
  std::vector<model::Entity> highlighted;
  if (!handles.empty()) {
    for (const model::Entity& entity : document.blocks()[model::BlockTable::kModelSpace].entities) {
      if (handles.contains(entity.handle)) highlighted.push_back(entity);
    }
  }
  Scene scene = buildScene(document, worldToView, highlighted);
  scene.dashPatterns.resize(2);
  for (auto& polyline : scene.polylines) {
    polyline.colour = kHighlightColour;
    polyline.dashes = 1;
  }
  for (auto& area : scene.areas) area.colour = kHighlightColour;
  for (auto& point : scene.points) point.colour = kHighlightColour;
  for (auto& text : scene.texts) text.colour = kHighlightColour;
  return scene;
}

void setHighlightDashes(Scene& scene, double scale) {
  scene.dashPatterns.resize(2);
  scene.dashPatterns[1] = {kDash / scale, -kGap / scale};
}

}  // namespace host::view
