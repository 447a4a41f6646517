#include "check/shot_spread.h"

#include <algorithm>
#include <optional>

#include "survey/design_points.h"

namespace check {
namespace {

// The spread of the shots of one pair, each taken as a pair of its own with the design point.
survey::ComponentValues spreadOf(const survey::Pair& pair, const survey::PointFile& design,
                                 const survey::PointFile& surveyed,
                                 const host::geom::Frame& frame) {
  survey::Pairing shots;
  for (const std::size_t index : pair.survey.shotIndices) {
    shots.pairs.push_back({pair.design, {surveyed.points[index], 1}});
  }
  const survey::DesignPoints reference(shots, design.points, frame);
  const std::size_t components = reference.schema().size();
  std::vector<std::optional<double>> lowest(components), highest(components);
  for (std::size_t shot = 0; shot < reference.shotCount(); ++shot) {
    const survey::ComponentValues values = reference.valuesOf(shot);
    for (std::size_t k = 0; k < components; ++k) {
      if (!values[k]) continue;
      lowest[k] = std::min(lowest[k].value_or(*values[k]), *values[k]);
      highest[k] = std::max(highest[k].value_or(*values[k]), *values[k]);
    }
  }
  survey::ComponentValues spread(components);
  for (std::size_t k = 0; k < components; ++k) {
    if (lowest[k]) spread[k] = *highest[k] - *lowest[k];
  }
  return spread;
}

}  // namespace

std::vector<survey::ComponentValues> shotSpreads(const survey::Pairing& pairing,
                                                 const survey::PointFile& design,
                                                 const survey::PointFile& surveyed,
                                                 const host::geom::Frame& frame) {
  std::vector<survey::ComponentValues> spreads(pairing.pairs.size());
  for (std::size_t i = 0; i < pairing.pairs.size(); ++i) {
    if (pairing.pairs[i].survey.shotIndices.size() > 1) {
      spreads[i] = spreadOf(pairing.pairs[i], design, surveyed, frame);
    }
  }
  return spreads;
}

}  // namespace check
