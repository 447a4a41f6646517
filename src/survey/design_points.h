#pragma once

#include <vector>

#include "host/geom/frame.h"
#include "survey/pairing.h"
#include "survey/point.h"
#include "survey/reference.h"

namespace survey {

// The components of a check against design points, as pointComponents() orders them.
enum PointComponent : std::size_t { kDx, kDy, kDz, kDh };

// dx, dy and dz along the frame, each within ±its tolerance, and dH, the horizontal distance.
const ComponentSchema& pointComponents();

// Design points as a reference: each pair of a pairing is a shot, its values the deviation of
// the survey point from its design point along a frame (deviationOf).
class DesignPoints : public Reference {
 public:
  // Refers to all three; they outlive it.
  DesignPoints(const Pairing& pairing, const std::vector<Point>& design,
               const host::geom::Frame& frame);

  const ComponentSchema& schema() const override;
  std::size_t shotCount() const override;
  const std::string& idOf(std::size_t shot) const override;
  ComponentValues valuesOf(std::size_t shot) const override;

 private:
  const Pairing& pairing_;
  const std::vector<Point>& design_;
  const host::geom::Frame& frame_;
};

}  // namespace survey
