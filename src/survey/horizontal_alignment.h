#pragma once

#include <Eigen/Core>
#include <cstddef>
#include <vector>

#include "survey/plan_element.h"

// An alignment in plan: its elements one after the other, and the chainage and offset of any
// point against it.
namespace survey {

// Where a point lies against an alignment.
struct Station {
  double chainage = 0.0;
  // Across the alignment: positive to the right looking towards increasing chainage.
  double offset = 0.0;
  // Before its start or beyond its end: the chainage is then taken along the tangent there,
  // and the offset square to it.
  bool beyondEnds = false;
};

class HorizontalAlignment {
 public:
  HorizontalAlignment() = default;
  // The elements in order, the first starting at `startChainage`. Throws std::invalid_argument
  // without any.
  HorizontalAlignment(std::vector<PlanElement> elements, double startChainage);

  const std::vector<PlanElement>& elements() const { return elements_; }
  double startChainage() const { return chainages_.front(); }
  double endChainage() const { return chainages_.back(); }

  // The nearest point in plan within each element's length decides, the earlier element on a
  // tie; at a joint where the alignment turns, the side is that of the bisector.
  Station stationOf(const Eigen::Vector2d& p) const;
  // At `chainage`, held to the alignment's ends.
  Eigen::Vector2d pointAt(double chainage) const;
  double headingAt(double chainage) const;

 private:
  // The element `chainage` falls on, and how far along it.
  std::size_t elementAt(double chainage) const;

  std::vector<PlanElement> elements_;
  std::vector<double> chainages_;  // of each element's start, and of the end
};

}  // namespace survey
