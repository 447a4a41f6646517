#include "check/draw/vector_drawing.h"

#include <cmath>
#include <memory>
#include <stdexcept>

#include "check/draw/batch_space.h"
#include "check/draw/box_grid.h"
#include "check/draw/deviation_layers.h"
#include "check/draw/earlier_check.h"
#include "check/draw/pair_footprint.h"
#include "insert/draw_vectors.h"
#include "numbers/number_format.h"
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
        const host::geom::Frame& ucs)
      : report_(report),
        settings_(settings),
        ucs_(ucs),
        ucsMatrix_(ucs.matrix()),
        h_(settings.textHeight),
        space_(std::make_shared<BatchSpace>(drawing.ModelSpace())),
        grid_(kCellSize * settings.textHeight) {}

  DrawnPair drawPair(const survey::Pair& pair, const survey::ComparedPair& compared) {
    const std::size_t before = space_->drawn();
    const survey::Point& design = report_.design.points[pair.design];
    const insert::VectorSpec vectors = specOf(compared.values);
    const cad::Point3 designPoint = local(design);
    const InsertSpot spot = clearInsertPoint(vectors, design.id, designPoint);
    grid_.add(spot.footprint.boxes);

    space_->setLayer(compared.failing.empty() ? kPassLayer : kFailLayer);
    // Each pair in a frame of its own, which for a check along a UCS is that UCS.
    insert::Placement placement;
    placement.frame = ucsMatrix_;
    placement.basePoint = [&] { return spot.insertPoint; };
    placement.leaderEnd = [&] { return designPoint; };
    insert::drawVectors(*space_, vectors, placement);
    space_->AddText(design.id, spot.footprint.idPoint, h_)->TransformBy(ucsMatrix_);
    return {0, space_->drawnAfter(before),
            worldBox(spot.footprint, {designPoint, spot.insertPoint, local(pair.survey.point)})};
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
  std::vector<cad::Ref<cad::Entity>> drawn() const { return space_->drawnAfter(0); }

 private:
  struct InsertSpot {
    cad::Point3 insertPoint;
    PairFootprint footprint;
  };

  // A deviation as the check writes it, and its value as that text reads, so that an arrow
  // points the way its label says and a deviation written as zero is drawn as one.
  insert::Deviation shown(double value) const {
    return {numbers::roundedWithDP(value, report_.numberFormat), report_.number(value)};
  }

  // The pair's deviations grouped at one point, the chosen axes drawn and Z as the user chose.
  insert::VectorSpec specOf(const survey::ComponentValues& values) const {
    insert::VectorSpec vectors;
    if (settings_.axisX) vectors.x = shown(*values[survey::kDx]);
    if (settings_.axisY) vectors.y = shown(*values[survey::kDy]);
    if (settings_.axisZ && values[survey::kDz]) vectors.z = shown(*values[survey::kDz]);
    vectors.zStyle = settings_.z == ZStyle::Bubble ? insert::ZStyle::Bubble : insert::ZStyle::Arrow;
    vectors.grouped = true;
    vectors.textHeight = h_;
    return vectors;
  }

  cad::Point3 local(const survey::Point& point) const {
    return ucs_.pointToLocal(Eigen::Vector3d(point.x, point.y, point.z.value_or(0.0)));
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

  InsertSpot clearInsertPoint(const insert::VectorSpec& vectors, const std::string& id,
                              const cad::Point3& designPoint) {
    const cad::Point3 diagonal = cad::Point3(1, 1, 0).normalized() * h_;
    InsertSpot spot;
    for (int step = 0; step <= kMaxSteps; ++step) {
      spot.insertPoint = designPoint + (kFirstDistance + kStep * step) * diagonal;
      spot.footprint = footprintOf(vectors, id, spot.insertPoint, h_);
      if (!grid_.overlapsAny(spot.footprint.boxes)) break;
    }
    if (spot.insertPoint != designPoint + kFirstDistance * diagonal) ++moved_;
    return spot;
  }

  const CheckReport& report_;
  const DrawSettings& settings_;
  const host::geom::Frame& ucs_;
  cad::Matrix4 ucsMatrix_;
  double h_;
  std::shared_ptr<BatchSpace> space_;
  BoxGrid grid_;
  std::size_t moved_ = 0;
};

}  // namespace

DrawnVectors drawVectors(cad::Document& drawing, const CheckReport& report,
                         const DrawSettings& settings, const host::geom::Frame& ucs,
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
    const std::vector<cad::Ref<cad::Entity>> all = batch.drawn();
    tagAsDrawnByCheck(all);
    if (!settings.keepEarlier) drawn.replaced = eraseEarlierChecks(drawing, all);
  } catch (...) {
    batch.takeBack();
    throw;
  }
  drawn.moved = batch.moved();
  return drawn;
}

}  // namespace check::draw
