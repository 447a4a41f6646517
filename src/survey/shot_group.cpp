#include "survey/shot_group.h"

#include <string>
#include <unordered_map>

namespace survey {

void ShotGroup::add(std::size_t index, const Point& shot) {
  if (shots++ == 0) first = index;
  if (shots == 2) indices.push_back(first);
  if (shots >= 2) indices.push_back(index);
  last = index;
  sumX += shot.x;
  sumY += shot.y;
  if (shot.z) sumZ += *shot.z, ++heights;
}

Observation ShotGroup::observation(const std::vector<Point>& survey, Repeats repeats) const {
  Observation observation{survey[repeats == Repeats::Last ? last : first], shots, indices};
  if (repeats == Repeats::Last) return observation;
  const double n = static_cast<double>(shots);
  observation.point.x = sumX / n;
  observation.point.y = sumY / n;
  observation.point.z.reset();
  if (heights > 0) observation.point.z = sumZ / static_cast<double>(heights);
  return observation;
}

std::vector<Observation> combinedShots(const PointFile& survey, const IdMatching& matching) {
  std::vector<Observation> observations;
  if (!survey.named) {
    for (const Point& shot : survey.points) observations.push_back({shot, 1});
    return observations;
  }
  std::unordered_map<std::string, std::size_t> groupOfId;
  std::vector<ShotGroup> groups;
  for (std::size_t i = 0; i < survey.points.size(); ++i) {
    std::string key = survey.points[i].id;
    if (matching.ignoreCase) {
      for (char& c : key) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const auto [found, added] = groupOfId.try_emplace(std::move(key), groups.size());
    if (added) groups.emplace_back();
    groups[found->second].add(i, survey.points[i]);
  }
  observations.reserve(groups.size());
  for (const ShotGroup& group : groups) {
    observations.push_back(group.observation(survey.points, matching.repeats));
  }
  return observations;
}

}  // namespace survey
