#include "check/window/shot_drawer.h"

#include <stdexcept>

namespace check {

ShotDrawer shotDrawerFor(cad::Ref<cad::Document> drawing, DrawingBatch batch) {
  return [drawing = std::move(drawing), batch = std::move(batch)](const ShotCheck& shots,
                                                                  const DrawSettings& settings) {
    const auto draw = [&] { shots.draw(*drawing, settings); };
    try {
      if (batch) {
        batch(draw);
      } else {
        draw();
      }
    } catch (const cad::AutomationError& e) {
      throw std::runtime_error("The shots could not be drawn: " + e.description());
    }
  };
}

}  // namespace check
