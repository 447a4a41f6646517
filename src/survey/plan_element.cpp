#include "survey/plan_element.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "survey/clothoid.h"

namespace survey {
namespace {

using Eigen::Vector2d;

// The heading may turn by this much between two samples: a bulge of at most 1/80 of their
// spacing, and a distance to a point that has one minimum between neighbours.
constexpr double kTurnPerSample = 0.1;
// Samples of a curved element are at most this far apart, whatever its curvature.
constexpr double kLongestSpacing = 10.0;

Vector2d direction(double heading) {
  return {std::cos(heading), std::sin(heading)};
}

Vector2d leftOf(double heading) {
  return {-std::sin(heading), std::cos(heading)};
}

double angleOf(const Vector2d& v) {
  return std::atan2(v.y(), v.x());
}

// `angle` in [0, 2π).
double turned(double angle) {
  const double full = 2.0 * std::numbers::pi;
  angle = std::fmod(angle, full);
  return angle < 0.0 ? angle + full : angle;
}

}  // namespace

double Box::distanceTo(const Vector2d& p) const {
  const Vector2d below = (min - p).cwiseMax(0.0);
  const Vector2d above = (p - max).cwiseMax(0.0);
  return (below + above).norm();
}

PlanElement PlanElement::line(const Vector2d& start, const Vector2d& end) {
  const Vector2d along = end - start;
  if (along.norm() == 0.0) throw std::invalid_argument("a line of no length");
  return {ElementKind::Line, start, angleOf(along), along.norm(), 0.0, 0.0};
}

PlanElement PlanElement::arc(const Vector2d& start, const Vector2d& center, const Vector2d& end,
                             bool clockwise) {
  const double radius = (start - center).norm();
  if (radius == 0.0) throw std::invalid_argument("an arc of no radius");
  if (std::abs((end - center).norm() - radius) > 1e-4 * radius + 1e-6) {
    throw std::invalid_argument("an arc whose end is not as far from its centre as its start");
  }
  const double turn = clockwise ? -1.0 : 1.0;
  const double sweep = turned(turn * (angleOf(end - center) - angleOf(start - center)));
  if (sweep == 0.0) throw std::invalid_argument("an arc of no length");
  const double heading = angleOf(start - center) + turn * std::numbers::pi / 2.0;
  return {ElementKind::Arc, start, heading, sweep * radius, turn / radius, 0.0};
}

PlanElement PlanElement::spiral(const Vector2d& start, double heading, double length,
                                double startCurvature, double endCurvature) {
  if (!(length > 0.0)) throw std::invalid_argument("a spiral of no length");
  return {ElementKind::Spiral,
          start,
          heading,
          length,
          startCurvature,
          (endCurvature - startCurvature) / length};
}

PlanElement::PlanElement(ElementKind kind, const Vector2d& start, double heading, double length,
                         double curvature, double rate)
    : kind_(kind),
      start_(start),
      heading_(heading),
      length_(length),
      curvature_(curvature),
      rate_(rate) {
  const double sharpest = std::max(std::abs(curvature), std::abs(curvatureAt(length)));
  int count = 1;
  if (kind != ElementKind::Line) {
    count = std::max({4, static_cast<int>(std::ceil(sharpest * length / kTurnPerSample)),
                      static_cast<int>(std::ceil(length / kLongestSpacing))});
  }
  spacing_ = length / count;
  samples_.reserve(count + 1);
  samples_.push_back({0.0, start, heading});
  for (int i = 1; i <= count; ++i) {
    const Sample& last = samples_.back();
    const double along = i * spacing_;
    // A spiral's samples follow each other; lines and arcs have theirs in closed form.
    const Vector2d point =
        kind == ElementKind::Spiral
            ? Vector2d(last.point +
                       curvedPathEnd(last.heading, curvatureAt(last.along), rate_, spacing_))
            : pointAt(along);
    samples_.push_back({along, point, headingAt(along)});
  }
  bounds_ = {samples_.front().point, samples_.front().point};
  for (const Sample& sample : samples_) {
    bounds_.min = bounds_.min.cwiseMin(sample.point);
    bounds_.max = bounds_.max.cwiseMax(sample.point);
  }
  const Vector2d bulge = Vector2d::Constant(spacing_ * kTurnPerSample / 4.0 + 1e-9);
  bounds_.min -= bulge;
  bounds_.max += bulge;
}

double PlanElement::headingAt(double along) const {
  return heading_ + curvature_ * along + rate_ * along * along / 2.0;
}

const PlanElement::Sample& PlanElement::sampleBefore(double along) const {
  const auto index = static_cast<std::size_t>(std::clamp(along / spacing_, 0.0, 1e9));
  return samples_[std::min(index, samples_.size() - 2)];
}

Vector2d PlanElement::pointAt(double along) const {
  switch (kind_) {
    case ElementKind::Line:
      return start_ + along * direction(heading_);
    case ElementKind::Arc:
      return start_ + (leftOf(headingAt(along)) - leftOf(heading_)) / -curvature_;
    case ElementKind::Spiral:
      break;
  }
  const Sample& sample = sampleBefore(along);
  return sample.point +
         curvedPathEnd(sample.heading, curvatureAt(sample.along), rate_, along - sample.along);
}

Foot PlanElement::footOf(const Vector2d& p) const {
  switch (kind_) {
    case ElementKind::Line:
      return footOnLine(p);
    case ElementKind::Arc:
      return footOnArc(p);
    case ElementKind::Spiral:
      break;
  }
  return footOnSpiral(p);
}

Foot PlanElement::footAtEnd(const Vector2d& p, bool atStart) const {
  const double along = atStart ? 0.0 : length_;
  const Vector2d end = atStart ? start_ : samples_.back().point;
  const double tangential = (p - end).dot(direction(headingAt(along)));
  return {along, (p - end).norm(), atStart ? std::min(0.0, tangential) : std::max(0.0, tangential)};
}

Foot PlanElement::footOnLine(const Vector2d& p) const {
  const double along = (p - start_).dot(direction(heading_));
  if (along < 0.0) return footAtEnd(p, true);
  if (along > length_) return footAtEnd(p, false);
  return {along, std::abs((p - start_).dot(leftOf(heading_))), 0.0};
}

Foot PlanElement::footOnArc(const Vector2d& p) const {
  const double radius = 1.0 / std::abs(curvature_);
  const Vector2d center = start_ + leftOf(heading_) / curvature_;
  const double turn = curvature_ > 0.0 ? 1.0 : -1.0;
  const double swept = turned(turn * (angleOf(p - center) - angleOf(start_ - center)));
  if (swept * radius <= length_) return {swept * radius, std::abs((p - center).norm() - radius)};
  // In the gap of the circle the arc leaves open: the nearer end.
  const bool atStart = (p - start_).norm() <= (p - samples_.back().point).norm();
  return footAtEnd(p, atStart);
}

Foot PlanElement::footOnSpiral(const Vector2d& p) const {
  std::size_t nearest = 0;
  double nearestSquared = (p - samples_[0].point).squaredNorm();
  for (std::size_t i = 1; i < samples_.size(); ++i) {
    const double squared = (p - samples_[i].point).squaredNorm();
    if (squared < nearestSquared) nearest = i, nearestSquared = squared;
  }
  // g(s) = (p - C(s))·T(s) falls through zero where the distance is least: between the nearest
  // sample and the neighbour on the side where g says the distance still falls.
  const auto tangential = [&](const Sample& s) { return (p - s.point).dot(direction(s.heading)); };
  const double atNearest = tangential(samples_[nearest]);
  std::size_t first = nearest;
  if (atNearest > 0.0) {
    if (nearest + 1 == samples_.size()) return footAtEnd(p, false);
  } else {
    if (nearest == 0) return footAtEnd(p, true);
    first = nearest - 1;
  }
  double low = samples_[first].along;
  double high = samples_[first + 1].along;
  if (tangential(samples_[first]) < 0.0 || tangential(samples_[first + 1]) > 0.0) {
    return {samples_[nearest].along, std::sqrt(nearestSquared), 0.0};
  }
  // Newton's method on g, kept inside the bracket by halving it where a step would leave it.
  double s = samples_[nearest].along;
  for (int iteration = 0; iteration < 100 && high - low > 1e-13 * (1.0 + length_); ++iteration) {
    const Vector2d offset = p - pointAt(s);
    const double heading = headingAt(s);
    const double g = offset.dot(direction(heading));
    if (g == 0.0) break;
    (g > 0.0 ? low : high) = s;
    const double slope = -1.0 + curvatureAt(s) * offset.dot(leftOf(heading));
    const double step = slope < 0.0 ? s - g / slope : low - 1.0;
    const double next = step > low && step < high ? step : (low + high) / 2.0;
    if (std::abs(next - s) < 1e-14 * (1.0 + length_)) {
      s = next;
      break;
    }
    s = next;
  }
  return {s, (p - pointAt(s)).norm(), 0.0};
}

}  // namespace survey
