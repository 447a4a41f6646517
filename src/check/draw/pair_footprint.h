#pragma once

#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "cad/types.h"
#include "insert/vector_spec.h"

namespace check::draw {

using Box = Eigen::AlignedBox2d;

// What a pair's drawing covers in the XY plane of its UCS when drawVectors puts it, grouped, at
// `insertPoint` (UCS coordinates) with text height `h`: a box per arrow and per
// label, the Z bubble, and the point id's label, which sits above all of them.
struct PairFootprint {
  std::vector<Box> boxes;
  cad::Point3 idPoint;  // where the id label starts
};

PairFootprint footprintOf(const insert::VectorSpec& pair, const std::string& id,
                          const cad::Point3& insertPoint, double h);

// Whether two boxes share some area; boxes that only touch do not.
bool overlap(const Box& a, const Box& b);

}  // namespace check::draw
