#include "survey/horizontal_alignment.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace survey {
namespace {

using Eigen::Vector2d;

Vector2d rightOf(double heading) {
  return {std::sin(heading), -std::cos(heading)};
}

}  // namespace

HorizontalAlignment::HorizontalAlignment(std::vector<PlanElement> elements, double startChainage)
    : elements_(std::move(elements)) {
  if (elements_.empty()) throw std::invalid_argument("an alignment without elements");
  chainages_.reserve(elements_.size() + 1);
  chainages_.push_back(startChainage);
  for (const PlanElement& element : elements_) {
    chainages_.push_back(chainages_.back() + element.length());
  }
}

Station HorizontalAlignment::stationOf(const Vector2d& p) const {
  // Boxes rule out most elements at the cost of a few comparisons; the nearest box is tried
  // first, so that its distance rules out the rest.
  std::size_t best = 0;
  double bestBox = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    const double box = elements_[i].bounds().distanceTo(p);
    if (box < bestBox) best = i, bestBox = box;
  }
  Foot foot = elements_[best].footOf(p);
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    if (i == best || elements_[i].bounds().distanceTo(p) > foot.distance) continue;
    const Foot candidate = elements_[i].footOf(p);
    if (candidate.distance < foot.distance || (candidate.distance == foot.distance && i < best)) {
      best = i, foot = candidate;
    }
  }
  const PlanElement& element = elements_[best];
  const Vector2d onLine = element.pointAt(foot.along);
  const double heading = element.headingAt(foot.along);
  Station station{chainages_[best] + foot.along, (p - onLine).dot(rightOf(heading)), false};
  if (foot.beyond == 0.0) return station;
  const bool beyondStart = foot.beyond < 0.0 && best == 0;
  const bool beyondEnd = foot.beyond > 0.0 && best + 1 == elements_.size();
  if (beyondStart || beyondEnd) {
    station.chainage += foot.beyond;
    station.beyondEnds = true;
    return station;
  }
  // At a joint, outside the corner: the side of the bisector of the two directions there.
  const std::size_t other = foot.beyond < 0.0 ? best - 1 : best + 1;
  const double otherHeading =
      elements_[other].headingAt(foot.beyond < 0.0 ? elements_[other].length() : 0.0);
  const double side = (p - onLine).dot(rightOf(heading) + rightOf(otherHeading));
  station.offset = std::copysign(foot.distance, side);
  return station;
}

std::size_t HorizontalAlignment::elementAt(double chainage) const {
  const auto after = std::upper_bound(chainages_.begin() + 1, chainages_.end() - 1, chainage);
  return static_cast<std::size_t>(after - chainages_.begin()) - 1;
}

Vector2d HorizontalAlignment::pointAt(double chainage) const {
  const std::size_t i = elementAt(chainage);
  return elements_[i].pointAt(std::clamp(chainage - chainages_[i], 0.0, elements_[i].length()));
}

double HorizontalAlignment::headingAt(double chainage) const {
  const std::size_t i = elementAt(chainage);
  return elements_[i].headingAt(std::clamp(chainage - chainages_[i], 0.0, elements_[i].length()));
}

}  // namespace survey
