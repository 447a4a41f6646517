#include "check/draw/surface_drawing.h"

#include <cmath>
#include <stdexcept>

#include "check/draw/batch_space.h"
#include "check/draw/deviation_layers.h"
#include "check/draw/earlier_check.h"
#include "check/draw/vector_dxf.h"
#include "insert/draw_vectors.h"

namespace check::draw {
namespace {

// The frame of a shot's arrow: at the shot, its Z axis along the drawing's Y axis, so that the
// Z arrow, stood up from the frame's XY plane, lies flat in plan pointing up for fill.
cad::Matrix4 arrowFrame(const survey::Point& shot) {
  cad::Matrix4 frame = cad::Matrix4::Identity();
  frame.block<3, 3>(0, 0) << 1, 0, 0, 0, 0, 1, 0, -1, 0;
  frame.block<3, 1>(0, 3) = cad::Point3(shot.x, shot.y, shot.z.value_or(0.0));
  return frame;
}

// The arrow's label drops a negative value's first character, its minus sign, which the arrow
// shows; here the label is the signed value, so a negative one is given a sign to drop.
insert::Deviation signedDeviation(double dz, const CheckReport& report) {
  const std::string text = report.number(dz);
  if (dz < 0.0) return {dz, "-" + text};
  return {dz, (text.find_first_not_of("0.") == std::string::npos ? "" : "+") + text};
}

}  // namespace

void drawSurfaceShots(cad::Document& drawing, const SurfaceRun& run, const DrawSettings& settings) {
  const double h = settings.textHeight;
  if (!(h > 0.0) || !std::isfinite(h)) {
    throw std::invalid_argument("the text height must be a number greater than 0");
  }
  addDeviationLayers(drawing);
  addOutsideLayer(drawing);
  addArrowBlock(drawing);
  const CheckReport report = run.report();
  BatchSpace space(drawing.ModelSpace());
  for (std::size_t i = 0; i < run.survey.points.size(); ++i) {
    const survey::Point& shot = run.survey.points[i];
    if (run.places[i] == survey::ShotPlace::Outside) {
      const cad::Point3 at(shot.x, shot.y, shot.z.value_or(0.0));
      space.setLayer(kOutsideLayer);
      space.AddCircle(at, h);
      space.AddText(shot.id, at + cad::Point3(1.5 * h, -0.5 * h, 0), h);
      continue;
    }
    if (run.places[i] != survey::ShotPlace::OnSurface) continue;
    const survey::ComparedPair& compared = run.comparison.pairs[i];
    insert::VectorSpec vectors;
    vectors.z = signedDeviation(*compared.values[survey::kSurfaceDz], report);
    vectors.zStyle = insert::ZStyle::Arrow;
    vectors.grouped = false;
    vectors.textHeight = h;
    insert::Placement placement;
    placement.frame = arrowFrame(shot);
    placement.zPoint = [] { return cad::Point3::Zero(); };
    space.setLayer(compared.failing.empty() ? kPassLayer : kFailLayer);
    insert::drawVectors(space, vectors, placement);
  }
  const std::vector<cad::Ref<cad::Entity>> drawn = space.drawnAfter(0);
  tagAsDrawnByCheck(drawn);
  if (!settings.keepEarlier) eraseEarlierChecks(drawing, drawn);
}

std::vector<std::string> saveSurfaceDrawing(const VectorDrawingJob& job, const SurfaceRun& run) {
  return saveDrawnCopy(
      job, "shots", [&](cad::Document& drawing) { drawSurfaceShots(drawing, run, job.settings); });
}

}  // namespace check::draw
