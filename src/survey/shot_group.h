#pragma once

#include <cstddef>
#include <vector>

#include "survey/pairing.h"

namespace survey {

// The shots of one point, summed as they come.
struct ShotGroup {
  std::size_t first = 0;  // indices of shots in the survey file
  std::size_t last = 0;
  std::size_t shots = 0;
  std::size_t heights = 0;
  std::vector<std::size_t> indices;  // of every shot, kept from the second on
  double sumX = 0.0, sumY = 0.0, sumZ = 0.0;
  bool paired = false;

  void add(std::size_t index, const Point& shot);

  // The first shot with the mean of all (a height from those that have one), or the last shot.
  Observation observation(const std::vector<Point>& survey, Repeats repeats) const;
};

// The survey's shots of each id combined as `matching.repeats` says (ids compared as
// `matching.ignoreCase` says), in the order of each id's first shot. In a file without ids
// every shot is an observation of its own.
std::vector<Observation> combinedShots(const PointFile& survey, const IdMatching& matching);

}  // namespace survey
