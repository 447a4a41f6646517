#include "check/window/shot_drawer.h"

namespace check {

ShotDrawer shotDrawerFor(cad::Ref<cad::Document> drawing, DrawingBatch batch) {
  return [drawing = std::move(drawing), batch = std::move(batch)](const ShotCheck& shots,
                                                                  const DrawSettings& settings) {
    drawAsBatch(
        batch, [&] { shots.draw(*drawing, settings); }, "shots");
  };
}

}  // namespace check
