#include "check/draw/pair_focus.h"

#include <algorithm>

namespace check::draw {
namespace {

constexpr double kMarginPerSide = 0.25;  // of the box's larger side
constexpr double kSmallestSide = 1.0;    // drawing units

cad::Point3 worldOf(const survey::Point& point) {
  return {point.x, point.y, point.z.value_or(0.0)};
}

}  // namespace

std::pair<cad::Point3, cad::Point3> zoomCorners(const Eigen::AlignedBox3d& box) {
  const Eigen::Vector2d sides = box.sizes().head<2>();
  const double side = std::max(sides.maxCoeff(), 0.0);
  const double margin = side > 0 ? kMarginPerSide * side : kSmallestSide / 2;
  const cad::Point3 grow(margin, margin, 0);
  return {box.min() - grow, box.max() + grow};
}

PairFocus::PairFocus(cad::Ref<cad::Application> application)
    : application_(std::move(application)) {}

PairFocus::Key PairFocus::keyOf(const survey::Point& design, const survey::Point& surveyed) {
  return {design.id, design.x, design.y, surveyed.id, surveyed.x, surveyed.y};
}

void PairFocus::remember(const CheckReport& report, const DrawnVectors& drawn) {
  for (const DrawnPair& pair : drawn.pairs) {
    const survey::Pair& paired = report.pairing.pairs[pair.pair];
    drawn_[keyOf(report.design.points[paired.design], paired.survey.point)] = {pair.entities,
                                                                               pair.box};
  }
}

void PairFocus::highlight(const std::vector<cad::Ref<cad::Entity>>& entities, bool on) {
  for (const cad::Ref<cad::Entity>& entity : entities) {
    try {
      entity->Highlight(on);
    } catch (const cad::AutomationError&) {
      // Gone from the drawing: nothing to show.
    }
  }
}

void PairFocus::show(const survey::Point& design, const survey::Point& surveyed) {
  highlight(highlighted_, false);
  highlighted_.clear();
  Eigen::AlignedBox3d box;
  box.extend(worldOf(design));
  box.extend(worldOf(surveyed));
  const auto found = drawn_.find(keyOf(design, surveyed));
  if (found != drawn_.end()) box.extend(found->second.box);
  const auto [lowerLeft, upperRight] = zoomCorners(box);
  application_->ZoomWindow(lowerLeft, upperRight);
  if (found == drawn_.end()) return;
  highlighted_ = found->second.entities;
  highlight(highlighted_, true);
}

}  // namespace check::draw
