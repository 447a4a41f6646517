#pragma once

#include <Eigen/Core>
#include <vector>

// One element of an alignment in plan: a line, a circular arc or a clothoid spiral, each a
// path whose curvature changes linearly along it (see clothoid.h for the conventions).
namespace survey {

enum class ElementKind { Line, Arc, Spiral };

// Where a point lies against one element: the element's nearest point within its length.
struct Foot {
  double along = 0.0;     // from the element's start to that point, 0 to its length
  double distance = 0.0;  // in plan, from the point to it
  // Along the tangent at the nearer end, how far the point lies before the start (negative) or
  // beyond the end (positive) when the nearest point is that end; 0 otherwise.
  double beyond = 0.0;
};

struct Box {
  Eigen::Vector2d min;
  Eigen::Vector2d max;
  // The plan distance from `p` to the box, 0 inside: no point of the element is nearer.
  double distanceTo(const Eigen::Vector2d& p) const;
};

class PlanElement {
 public:
  static PlanElement line(const Eigen::Vector2d& start, const Eigen::Vector2d& end);
  // Clockwise or anticlockwise around `center` from `start` to the ray through `end`.
  static PlanElement arc(const Eigen::Vector2d& start, const Eigen::Vector2d& center,
                         const Eigen::Vector2d& end, bool clockwise);
  // From `start` in the direction `heading`, its curvature changing linearly from
  // `startCurvature` to `endCurvature` over `length`.
  static PlanElement spiral(const Eigen::Vector2d& start, double heading, double length,
                            double startCurvature, double endCurvature);

  ElementKind kind() const { return kind_; }
  double length() const { return length_; }
  Eigen::Vector2d pointAt(double along) const;
  double headingAt(double along) const;
  double curvatureAt(double along) const { return curvature_ + rate_ * along; }
  const Box& bounds() const { return bounds_; }

  // The nearest point of the element to `p` within its length.
  Foot footOf(const Eigen::Vector2d& p) const;

 private:
  // A point of the element kept on the way along it, so that any point is a short integral
  // from one.
  struct Sample {
    double along = 0.0;
    Eigen::Vector2d point;
    double heading = 0.0;
  };

  PlanElement(ElementKind kind, const Eigen::Vector2d& start, double heading, double length,
              double curvature, double rate);
  Foot footOnLine(const Eigen::Vector2d& p) const;
  Foot footOnArc(const Eigen::Vector2d& p) const;
  Foot footOnSpiral(const Eigen::Vector2d& p) const;
  Foot footAtEnd(const Eigen::Vector2d& p, bool atStart) const;
  const Sample& sampleBefore(double along) const;

  ElementKind kind_;
  Eigen::Vector2d start_;
  double heading_;
  double length_;
  double curvature_;
  double rate_;
  double spacing_;               // between two samples
  std::vector<Sample> samples_;  // from the start to the end, `spacing_` apart
  Box bounds_;
};

}  // namespace survey
