#include "check/draw/vector_drawing.h"

#include <cmath>
#include <memory>
#include <stdexcept>

#include "check/draw/batch_space.h"
#include "check/draw/box_grid.h"
#include "check/draw/deviation_layers.h"
#include "check/draw/pair_controls.h"
#include "check/draw/pair_footprint.h"
#include "insert/arrow_deviation.h"
#include "insert/insert_run.h"
#include "insert/z_deviation.h"
#include "survey/design_points.h"

namespace check::draw {
namespace {

// In text heights: the first insert point's distance from the design point, and each step out.
constexpr double kFirstDistance = 2.0;
constexpr double kStep = 2.0;
constexpr int kMaxSteps = 5;
// Grid cells a few labels wide, so that most boxes fall into one or two cells.
constexpr double kCellSize = 8.0;

class Batch {
 public:
  Batch(cad::Document& drawing, const CheckReport& report, const DrawSettings& settings,
        const survey::Frame& ucs)
      : report_(report),
        settings_(settings),
        ucs_(ucs),
        ucsMatrix_(ucsMatrixOf(ucs)),
        h_(settings.textHeight),
        space_(std::make_shared<BatchSpace>(drawing.ModelSpace())),
        grid_(kCellSize * settings.textHeight) {
    vars_.moSpace = cad::Ref<cad::ModelSpace>(space_);
  }

  DrawnPair drawPair(const survey::Pair& pair, const survey::ComparedPair& compared) {
    const std::size_t before = space_->drawn();
    const survey::Point& design = report_.design.points[pair.design];
    const survey::ComponentValues& values = compared.values;
    PairControls controls(
        settings_, {report_.number(*values[survey::kDx]), report_.number(*values[survey::kDy]),
                    values[survey::kDz] ? report_.number(*values[survey::kDz]) : std::string()});
    const cad::Point3 designPoint = local(design);
    const auto [insertPoint, footprint] = clearInsertPoint(controls, design.id, designPoint);
    grid_.add(footprint.boxes);

    space_->setLayer(compared.failing.empty() ? kPassLayer : kFailLayer);
    insert::InsertRun run = runAt(controls, insertPoint);
    if (controls.drawsX()) insert::drawXDeviation(run);
    if (controls.drawsY()) insert::drawYDeviation(run);
    if (controls.drawsZ()) {
      if (controls.zAsBubble()) {
        insert::drawZBubble(run);
      } else {
        insert::drawZArrow(run);
      }
    }
    insert::place(run, *space_->AddLine(insertPoint, designPoint));
    insert::place(run, *space_->AddText(design.id, footprint.idPoint, h_));
    return {0, space_->drawnAfter(before),
            worldBox(footprint, {designPoint, insertPoint, local(pair.survey.point)})};
  }

  void markMissing(const survey::Point& design) {
    const cad::Point3 point = local(design);
    space_->setLayer(kMissingLayer);
    space_->AddCircle(point, h_)->TransformBy(ucsMatrix_);
    space_->AddText(design.id, point + cad::Point3(1.5 * h_, -0.5 * h_, 0), h_)
        ->TransformBy(ucsMatrix_);
  }

  void takeBack() {
    try {
      space_->deleteDrawn();
    } catch (const std::exception&) {
      // What could not be deleted stays; the failure that stopped the batch is the one told.
    }
  }

  std::size_t moved() const { return moved_; }

 private:
  struct Placement {
    cad::Point3 insertPoint;
    PairFootprint footprint;
  };

  cad::Point3 local(const survey::Point& point) const {
    return ucs_.toLocal(Eigen::Vector3d(point.x, point.y, point.z.value_or(0.0)));
  }
  cad::Point3 world(const cad::Point3& local) const {
    return (ucsMatrix_ * local.homogeneous()).head<3>();
  }
  // The world box around a footprint's boxes and `points` (UCS coordinates).
  Eigen::AlignedBox3d worldBox(const PairFootprint& footprint,
                               std::initializer_list<cad::Point3> points) const {
    Eigen::AlignedBox3d box;
    for (const Box& flat : footprint.boxes) {
      for (const auto corner : {Box::BottomLeft, Box::BottomRight, Box::TopLeft, Box::TopRight}) {
        box.extend(world(cad::Point3(flat.corner(corner).x(), flat.corner(corner).y(), 0)));
      }
    }
    for (const cad::Point3& point : points) box.extend(world(point));
    return box;
  }

  Placement clearInsertPoint(const PairControls& controls, const std::string& id,
                             const cad::Point3& designPoint) {
    const cad::Point3 diagonal = cad::Point3(1, 1, 0).normalized() * h_;
    Placement placement;
    for (int step = 0; step <= kMaxSteps; ++step) {
      placement.insertPoint = designPoint + (kFirstDistance + kStep * step) * diagonal;
      placement.footprint = footprintOf(controls, id, placement.insertPoint, h_);
      if (!grid_.overlapsAny(placement.footprint.boxes)) break;
    }
    if (placement.insertPoint != designPoint + kFirstDistance * diagonal) ++moved_;
    return placement;
  }

  // The working values the Insert command would have after the user picked `insertPoint` in
  // Grouped mode, placing in the chosen UCS.
  insert::InsertRun runAt(PairControls& controls, const cad::Point3& insertPoint) {
    insert::InsertRun run(controls, vars_);
    run.textHgt = h_;
    run.frame.ucsMatrix = ucsMatrix_;
    run.basePnt = insertPoint;
    run.leaderStart = insertPoint;
    run.insPntWorld = world(insertPoint);
    vars_.PickPnt1 = insertPoint;
    vars_.PickPnt2 = world(insertPoint + cad::Point3::UnitX());
    return run;
  }

  const CheckReport& report_;
  const DrawSettings& settings_;
  const survey::Frame& ucs_;
  cad::Matrix4 ucsMatrix_;
  double h_;
  std::shared_ptr<BatchSpace> space_;
  insert::DialogVariables vars_;
  BoxGrid grid_;
  std::size_t moved_ = 0;
};

}  // namespace

cad::Matrix4 ucsMatrixOf(const survey::Frame& frame) {
  cad::Matrix4 matrix = cad::Matrix4::Identity();
  matrix.block<3, 1>(0, 0) = frame.xAxis();
  matrix.block<3, 1>(0, 1) = frame.yAxis();
  matrix.block<3, 1>(0, 2) = frame.xAxis().cross(frame.yAxis());
  matrix.block<3, 1>(0, 3) = frame.origin();
  return matrix;
}

DrawnVectors drawVectors(cad::Document& drawing, const CheckReport& report,
                         const DrawSettings& settings, const survey::Frame& ucs,
                         const DrawProgress& progress) {
  if (!std::isfinite(settings.textHeight) || settings.textHeight <= 0) {
    throw std::invalid_argument("the text height must be a number greater than 0");
  }
  addArrowBlock(drawing);
  addDeviationLayers(drawing);
  Batch batch(drawing, report, settings, ucs);
  DrawnVectors drawn;
  const std::size_t total = report.pairing.pairs.size() + report.pairing.unmatchedDesign.size();
  std::size_t done = 0;
  const auto goOn = [&] { return !progress || progress(++done, total); };
  try {
    for (std::size_t i = 0; i < report.pairing.pairs.size(); ++i) {
      const survey::ComparedPair& compared = report.comparison.pairs[i];
      drawn.pairs.push_back(batch.drawPair(report.pairing.pairs[i], compared));
      drawn.pairs.back().pair = i;
      ++(compared.failing.empty() ? drawn.passing : drawn.failing);
      if (!goOn()) {
        batch.takeBack();
        return {.cancelled = true, .pairs = {}};
      }
    }
    for (const std::size_t design : report.pairing.unmatchedDesign) {
      batch.markMissing(report.design.points[design]);
      ++drawn.missing;
      if (!goOn()) {
        batch.takeBack();
        return {.cancelled = true, .pairs = {}};
      }
    }
  } catch (...) {
    batch.takeBack();
    throw;
  }
  drawn.moved = batch.moved();
  return drawn;
}

}  // namespace check::draw
