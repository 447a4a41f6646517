#include "check/window/vector_drawer.h"

#include <QProgressDialog>
#include <stdexcept>

#include "check/draw/vector_drawing.h"

namespace check {

VectorDrawer vectorDrawerFor(cad::Ref<cad::Document> drawing, std::vector<UcsChoice> ucsChoices,
                             QWidget* parent, DrawingBatch batch,
                             std::shared_ptr<draw::PairFocus> focus) {
  return [drawing = std::move(drawing), ucsChoices = std::move(ucsChoices), parent,
          batch = std::move(batch),
          focus = std::move(focus)](const CheckReport& report, const DrawSettings& settings) {
    if (settings.ucs >= ucsChoices.size()) throw std::logic_error("no such UCS choice");
    const std::size_t total = report.pairing.pairs.size() + report.pairing.unmatchedDesign.size();
    QProgressDialog progress("Drawing the vectors of every pair…", "Cancel", 0,
                             static_cast<int>(total), parent);
    progress.setObjectName("drawingProgress");
    // Nothing else may change the drawing while the batch is drawn.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    const auto draw = [&] {
      const draw::DrawnVectors drawn =
          draw::drawVectors(*drawing, report, settings, ucsChoices[settings.ucs].frame,
                            [&progress](std::size_t done, std::size_t) {
                              progress.setValue(static_cast<int>(done));
                              return !progress.wasCanceled();
                            });
      if (focus) focus->remember(report, drawn);
    };
    drawAsBatch(batch, draw, "vectors");
  };
}

void drawAsBatch(const DrawingBatch& batch, const std::function<void()>& draw,
                 const std::string& what) {
  try {
    if (batch) {
      batch(draw);
    } else {
      draw();
    }
  } catch (const cad::AutomationError& e) {
    throw std::runtime_error("The " + what + " could not be drawn: " + e.description());
  }
}

}  // namespace check
