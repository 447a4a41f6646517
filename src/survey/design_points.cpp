#include "survey/design_points.h"

#include "survey/deviation.h"

namespace survey {

const ComponentSchema& pointComponents() {
  static const ComponentSchema schema{
      {"x", "dx", "dx", "", ToleranceRule::Symmetric, "x", "", 0.02},
      {"y", "dy", "dy", "", ToleranceRule::Symmetric, "y", "", 0.02},
      {"z", "dz", "dz", "", ToleranceRule::Symmetric, "z", "", 0.01},
      {"h", "dH", "dh", "", ToleranceRule::Magnitude, "h (horizontal)",
       "dH is the horizontal distance between the design and the survey point.", 0.025},
  };
  return schema;
}

DesignPoints::DesignPoints(const Pairing& pairing, const std::vector<Point>& design,
                           const host::geom::Frame& frame)
    : pairing_(pairing), design_(design), frame_(frame) {}

const ComponentSchema& DesignPoints::schema() const {
  return pointComponents();
}

std::size_t DesignPoints::shotCount() const {
  return pairing_.pairs.size();
}

const std::string& DesignPoints::idOf(std::size_t shot) const {
  return design_[pairing_.pairs[shot].design].id;
}

ComponentValues DesignPoints::valuesOf(std::size_t shot) const {
  const Pair& pair = pairing_.pairs[shot];
  const Deviation d = deviationOf(design_[pair.design], pair.survey.point, frame_);
  return {d.dx, d.dy, d.dz, d.dh};
}

}  // namespace survey
