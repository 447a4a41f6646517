#include "check/draw/vector_dxf.h"

#include <memory>
#include <stdexcept>

#include "check/draw/text_height_proposal.h"
#include "check/draw/vector_drawing.h"
#include "host/automation/host_application.h"
#include "host/dxf/reader.h"
#include "host/dxf/save.h"
#include "host/dxf/writer.h"

namespace check::draw {

std::vector<std::string> saveDrawnCopy(const VectorDrawingJob& job, const std::string& what,
                                       const std::function<void(cad::Document&)>& draw) {
  std::shared_ptr<host::model::Document> model =
      job.drawing ? std::shared_ptr<host::model::Document>(host::dxf::readDxf(*job.drawing))
                  : std::make_shared<host::model::Document>();
  auto cad = std::make_shared<host::HostApplication>();
  cad->addDocument(model);
  try {
    draw(*cad->ActiveDocument());
  } catch (const cad::AutomationError& e) {
    throw std::runtime_error(job.out.string() + ": the " + what +
                             " could not be drawn: " + e.description());
  }
  std::vector<std::string> leftOut = host::dxf::contentNotSaved(*model);
  host::dxf::saveDxf(*model, job.out);
  return leftOut;
}

std::vector<std::string> saveVectorDrawing(const VectorDrawingJob& job, const CheckReport& report) {
  return saveDrawnCopy(job, "vectors", [&](cad::Document& drawing) {
    DrawSettings settings = job.settings;
    if (job.proposeTextHeight) settings.textHeight = proposedTextHeight(report.design.points);
    drawVectors(drawing, report, settings, job.ucs);
  });
}

}  // namespace check::draw
