// Pairing by point id: the design ids are a dictionary, the survey shots are grouped by id.
#include <cctype>
#include <string_view>
#include <unordered_map>

#include "survey/pairing.h"
#include "survey/point_file_error.h"

namespace survey {
namespace {

bool sameText(std::string_view a, std::string_view b, bool ignoreCase) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [ignoreCase](char c) {
      return ignoreCase ? std::tolower(static_cast<unsigned char>(c)) : c;
    };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

std::string keyOf(std::string_view id, bool ignoreCase) {
  std::string key(id);
  if (ignoreCase) {
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return key;
}

std::string surveyKeyOf(std::string_view id, const IdMatching& matching) {
  const std::string_view prefix = matching.surveyPrefix;
  const std::string_view suffix = matching.surveySuffix;
  if (!prefix.empty() && id.size() > prefix.size() &&
      sameText(id.substr(0, prefix.size()), prefix, matching.ignoreCase)) {
    id.remove_prefix(prefix.size());
  }
  if (!suffix.empty() && id.size() > suffix.size() &&
      sameText(id.substr(id.size() - suffix.size()), suffix, matching.ignoreCase)) {
    id.remove_suffix(suffix.size());
  }
  return keyOf(id, matching.ignoreCase);
}

void requireNames(const PointFile& file) {
  if (!file.named) throw PointFileError(file.name, 0, "has no point ids to pair by (no column P)");
}

// The shots of one id, summed as they come.
struct ShotGroup {
  Observation observation;
  double sumX = 0.0, sumY = 0.0, sumZ = 0.0;
  std::size_t heights = 0;
  bool paired = false;

  void add(const Point& shot, Repeats repeats) {
    sumX += shot.x;
    sumY += shot.y;
    if (shot.z) sumZ += *shot.z, ++heights;
    if (repeats == Repeats::Last) observation.point = shot;
  }

  void combine(Repeats repeats) {
    if (repeats == Repeats::Last) return;
    const double n = static_cast<double>(observation.shots);
    observation.point.x = sumX / n;
    observation.point.y = sumY / n;
    observation.point.z.reset();
    if (heights > 0) observation.point.z = sumZ / static_cast<double>(heights);
  }
};

}  // namespace

Pairing matchById(const PointFile& design, const PointFile& survey, const IdMatching& matching) {
  requireNames(design);
  requireNames(survey);
  std::unordered_map<std::string, std::size_t> designByKey(design.points.size());
  for (std::size_t i = 0; i < design.points.size(); ++i) {
    const Point& point = design.points[i];
    const auto [found, added] = designByKey.emplace(keyOf(point.id, matching.ignoreCase), i);
    if (!added) {
      const Point& first = design.points[found->second];
      throw PointFileError(
          design.name, point.line,
          "point id '" + point.id + "' repeats the one on line " + std::to_string(first.line));
    }
  }

  std::vector<ShotGroup> groups;
  std::unordered_map<std::string, std::size_t> groupByKey(survey.points.size());
  for (const Point& shot : survey.points) {
    const auto [found, added] = groupByKey.emplace(surveyKeyOf(shot.id, matching), groups.size());
    if (added) {
      groups.push_back({Observation{shot, 0}});
    }
    ShotGroup& group = groups[found->second];
    ++group.observation.shots;
    group.add(shot, matching.repeats);
  }

  Pairing pairing;
  std::vector<std::size_t> groupOfDesign(design.points.size(), groups.size());
  for (const auto& [key, index] : groupByKey) {
    const auto match = designByKey.find(key);
    if (match != designByKey.end()) groupOfDesign[match->second] = index;
  }
  for (std::size_t i = 0; i < design.points.size(); ++i) {
    if (groupOfDesign[i] == groups.size()) {
      pairing.unmatchedDesign.push_back(i);
      continue;
    }
    ShotGroup& group = groups[groupOfDesign[i]];
    group.combine(matching.repeats);
    group.paired = true;
    pairing.pairs.push_back({i, group.observation});
  }
  for (ShotGroup& group : groups) {
    if (group.paired) continue;
    group.combine(matching.repeats);
    pairing.unmatchedSurvey.push_back(group.observation);
  }
  return pairing;
}

}  // namespace survey
