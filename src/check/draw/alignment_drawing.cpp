#include "check/draw/alignment_drawing.h"

#include <cmath>
#include <stdexcept>

#include "check/draw/batch_space.h"
#include "check/draw/deviation_layers.h"
#include "check/draw/earlier_check.h"
#include "check/draw/vector_dxf.h"
#include "host/geom/frame.h"
#include "insert/draw_vectors.h"
#include "numbers/number_format.h"

namespace check::draw {
namespace {

// In text heights: the group's distance from the shot, and its label's height above the group.
constexpr double kGroupDistance = 2.0;
constexpr double kLabelRise = 2.5;

class AlignmentBatch {
 public:
  AlignmentBatch(cad::Document& drawing, const AlignmentRun& run, const DrawSettings& settings)
      : run_(run),
        report_(run.report()),
        settings_(settings),
        h_(settings.textHeight),
        space_(std::make_shared<BatchSpace>(drawing.ModelSpace())) {}

  void draw(std::size_t i) {
    const survey::AlignedShot& shot = run_.shots[i];
    const survey::Point& point = run_.survey.points[shot.shot];
    const cad::Matrix4 frame = frameAt(shot, point);
    const std::string label = point.id + "  " + report_.number(shot.station.chainage);
    if (shot.outside) {
      space_->setLayer(kOutsideLayer);
      space_->AddCircle(cad::Point3::Zero(), h_)->TransformBy(frame);
      space_->AddText(label, cad::Point3(1.5 * h_, -0.5 * h_, 0), h_)->TransformBy(frame);
      return;
    }
    const survey::ComparedPair& compared = run_.comparison.pairs[i];
    space_->setLayer(compared.failing.empty() ? kPassLayer : kFailLayer);
    const cad::Point3 group = cad::Point3(1, 1, 0).normalized() * kGroupDistance * h_;
    insert::Placement placement;
    placement.frame = frame;
    placement.basePoint = [&] { return group; };
    placement.leaderEnd = [] { return cad::Point3::Zero(); };
    insert::drawVectors(*space_, specOf(compared.values), placement);
    space_->AddText(label, group + cad::Point3(0, kLabelRise * h_, 0), h_)->TransformBy(frame);
  }

  std::vector<cad::Ref<cad::Entity>> drawn() const { return space_->drawnAfter(0); }

  void takeBack() {
    try {
      space_->deleteDrawn();
    } catch (const std::exception&) {
      // What could not be deleted stays; the failure that stopped the batch is the one told.
    }
  }

 private:
  // The alignment's frame at the shot's chainage, moved to the shot: X to the right of the
  // line, Y along it, Z up.
  cad::Matrix4 frameAt(const survey::AlignedShot& shot, const survey::Point& point) const {
    const double heading = run_.alignment.plan.headingAt(shot.station.chainage);
    return host::geom::Frame::fromAxes({point.x, point.y, point.z.value_or(0.0)},
                                       {std::sin(heading), -std::cos(heading), 0.0},
                                       {std::cos(heading), std::sin(heading), 0.0})
        .matrix();
  }

  // A difference as the check writes it, its arrow pointing the way its label says.
  insert::Deviation shown(double value) const {
    return {numbers::roundedWithDP(value, report_.numberFormat), report_.number(value)};
  }

  insert::VectorSpec specOf(const survey::ComponentValues& values) const {
    insert::VectorSpec vectors;
    vectors.x = shown(*values[survey::kOffsetDifference]);
    if (settings_.axisZ && values[survey::kLevelDifference]) {
      vectors.z = shown(*values[survey::kLevelDifference]);
    }
    vectors.zStyle = settings_.z == ZStyle::Bubble ? insert::ZStyle::Bubble : insert::ZStyle::Arrow;
    vectors.grouped = true;
    vectors.textHeight = h_;
    return vectors;
  }

  const AlignmentRun& run_;
  CheckReport report_;
  const DrawSettings& settings_;
  double h_;
  std::shared_ptr<BatchSpace> space_;
};

}  // namespace

void drawAlignmentShots(cad::Document& drawing, const AlignmentRun& run,
                        const DrawSettings& settings) {
  if (!std::isfinite(settings.textHeight) || settings.textHeight <= 0) {
    throw std::invalid_argument("the text height must be a number greater than 0");
  }
  addArrowBlock(drawing);
  addDeviationLayers(drawing);
  addOutsideLayer(drawing);
  AlignmentBatch batch(drawing, run, settings);
  try {
    for (std::size_t i = 0; i < run.shots.size(); ++i) batch.draw(i);
    tagAsDrawnByCheck(batch.drawn());
    if (!settings.keepEarlier) eraseEarlierChecks(drawing, batch.drawn());
  } catch (...) {
    batch.takeBack();
    throw;
  }
}

std::vector<std::string> saveAlignmentDrawing(const VectorDrawingJob& job,
                                              const AlignmentRun& run) {
  return saveDrawnCopy(job, "shots", [&](cad::Document& drawing) {
    drawAlignmentShots(drawing, run, job.settings);
  });
}

}  // namespace check::draw
