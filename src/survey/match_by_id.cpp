// Pairing by point id: the design ids are a dictionary, the survey shots are grouped by id.
#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "survey/pairing.h"
#include "survey/point_file_error.h"
#include "survey/shot_group.h"

namespace survey {
namespace {

char folded(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameText(std::string_view a, std::string_view b, bool ignoreCase) {
  if (!ignoreCase) return a == b;
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (folded(a[i]) != folded(b[i])) return false;
  }
  return true;
}

// Ids as dictionary keys: views into the point files, compared exactly or without regard to
// the case of ASCII letters.
struct KeyHash {
  bool ignoreCase;
  std::size_t operator()(std::string_view key) const {
    if (!ignoreCase) return std::hash<std::string_view>()(key);
    std::size_t hash = 14695981039346656037u;  // FNV-1a over the folded bytes
    for (const char c : key) hash = (hash ^ static_cast<unsigned char>(folded(c))) * 1099511628211u;
    return hash;
  }
};

struct KeyEqual {
  bool ignoreCase;
  bool operator()(std::string_view a, std::string_view b) const {
    return sameText(a, b, ignoreCase);
  }
};

template <class Value>
using KeyMap = std::unordered_map<std::string_view, Value, KeyHash, KeyEqual>;

template <class Value>
KeyMap<Value> keyMap(std::size_t size, bool ignoreCase) {
  return KeyMap<Value>(size, KeyHash{ignoreCase}, KeyEqual{ignoreCase});
}

std::string_view surveyKeyOf(std::string_view id, const IdMatching& matching) {
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
  return id;
}

void requireNames(const PointFile& file) {
  if (!file.named) throw PointFileError(file.name, 0, "has no point ids to pair by (no column P)");
}

}  // namespace

Pairing matchById(const PointFile& design, const PointFile& survey, const IdMatching& matching) {
  requireNames(design);
  requireNames(survey);
  // One dictionary for both files: each id's design point and group of shots, so that every id
  // is hashed once per file.
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  struct Entry {
    std::size_t design = kNone;
    std::size_t group = kNone;
  };
  // Room for the design ids and a few survey ids more, so that the dictionary seldom grows.
  auto byKey = keyMap<Entry>(design.points.size() + survey.points.size() / 8, matching.ignoreCase);
  for (std::size_t i = 0; i < design.points.size(); ++i) {
    const Point& point = design.points[i];
    const auto [found, added] = byKey.emplace(point.id, Entry{i, kNone});
    if (!added) {
      const Point& first = design.points[found->second.design];
      throw PointFileError(
          design.name, point.line,
          "point id '" + point.id + "' repeats the one on line " + std::to_string(first.line));
    }
  }

  std::vector<ShotGroup> groups;
  groups.reserve(survey.points.size());
  std::vector<std::size_t> groupOfDesign(design.points.size(), kNone);
  for (std::size_t i = 0; i < survey.points.size(); ++i) {
    Entry& entry = byKey.try_emplace(surveyKeyOf(survey.points[i].id, matching)).first->second;
    if (entry.group == kNone) {
      entry.group = groups.size();
      groups.emplace_back();
      if (entry.design != kNone) groupOfDesign[entry.design] = entry.group;
    }
    groups[entry.group].add(i, survey.points[i]);
  }

  Pairing pairing;
  pairing.pairs.reserve(std::min(design.points.size(), groups.size()));
  for (std::size_t i = 0; i < design.points.size(); ++i) {
    if (groupOfDesign[i] == kNone) {
      pairing.unmatchedDesign.push_back(i);
      continue;
    }
    ShotGroup& group = groups[groupOfDesign[i]];
    group.paired = true;
    pairing.pairs.push_back({i, group.observation(survey.points, matching.repeats)});
  }
  for (const ShotGroup& group : groups) {
    if (!group.paired) {
      pairing.unmatchedSurvey.push_back(group.observation(survey.points, matching.repeats));
    }
  }
  return pairing;
}

}  // namespace survey
