#pragma once

#include <Eigen/Core>
#include <vector>

#include "survey/plan_element.h"

// A polyline drawn in plan as an alignment's elements, as designers draw centrelines.
namespace survey {

struct BulgedVertex {
  Eigen::Vector2d point = Eigen::Vector2d::Zero();
  // Of the segment starting here: tan(included angle / 4), positive anticlockwise; 0 straight.
  double bulge = 0.0;
};

// A line for each straight segment, an arc for each bulged one; segments of no length (a vertex
// given twice) are passed over. A closed polyline ends with the segment back to its first vertex.
std::vector<PlanElement> planOfPolyline(const std::vector<BulgedVertex>& vertices, bool closed);

}  // namespace survey
