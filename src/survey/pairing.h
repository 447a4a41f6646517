#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "survey/point.h"

// Which survey point belongs to which design point.
namespace survey {

// What was surveyed of one point: a single shot, or several shots of one id combined.
struct Observation {
  Point point;
  std::size_t shots = 1;
  // Where there were several shots, the index of each in the survey file, so that their spread
  // can be told; empty for a single shot.
  std::vector<std::size_t> shotIndices = {};
};

struct Pair {
  std::size_t design = 0;  // index into the design points
  Observation survey;
};

// Nothing is dropped: every design point is paired or unmatched, and so is every survey point.
struct Pairing {
  std::vector<Pair> pairs;                   // in the order of the design file
  std::vector<std::size_t> unmatchedDesign;  // never surveyed, in file order
  std::vector<Observation> unmatchedSurvey;  // with no design point, in file order
};

enum class Repeats { Average, Last };

struct IdMatching {
  // Ids compare exactly, or without regard to the case of ASCII letters.
  bool ignoreCase = false;
  // Taken off a survey id that has it (and more), before comparing.
  std::string surveyPrefix;
  std::string surveySuffix;
  // Several shots of one id: their mean coordinate by coordinate (a height from the shots that
  // have one), or the last shot.
  Repeats repeats = Repeats::Average;
};

// Pairs points of the same id. Throws PointFileError for a repeated design id (naming both
// lines) and for a file without point ids.
Pairing matchById(const PointFile& design, const PointFile& survey, const IdMatching& matching);

// Pairs each survey point with the nearest design point within `radius` in world X and Y, one
// to one, the closest pairs first (ties: the earlier survey point, then the earlier design
// point). Each shot is a survey point of its own. Throws PointFileError when more than 64
// design points lie within the radius of one survey point: the radius is then far larger than
// the spacing of the stakes.
Pairing matchByProximity(const PointFile& design, const PointFile& survey, double radius);

// The same, with the repeated shots of one id in a survey with ids first combined as
// `repeats.repeats` says (ids compared as `repeats.ignoreCase` says): a stake shot twice is one
// observation, paired once.
Pairing matchByProximity(const PointFile& design, const PointFile& survey, double radius,
                         const IdMatching& repeats);

}  // namespace survey
