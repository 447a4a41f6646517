// Pairing by proximity: a greedy one-to-one matching, closest pairs first, over a k-d tree of
// the design points in world X and Y.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <nanoflann.hpp>
#include <optional>
#include <queue>

#include "numbers/number_format.h"
#include "survey/joined_survey.h"
#include "survey/pairing.h"
#include "survey/point_file_error.h"
#include "survey/shot_group.h"

namespace survey {
namespace {

// More design points than this within the radius of one survey point means the radius is far
// larger than the spacing of the stakes: pairing would be guesswork, and a crowd of taken points
// would make each search slow.
constexpr std::size_t kMaxWithinRadius = 64;

// The design points as nanoflann reads a point cloud: world X and Y, packed together so that a
// search reads little memory.
struct DesignCloud {
  explicit DesignCloud(const std::vector<Point>& points) {
    xy.reserve(points.size());
    for (const Point& point : points) xy.push_back({point.x, point.y});
  }

  std::vector<std::array<double, 2>> xy;

  std::size_t kdtree_get_point_count() const { return xy.size(); }
  double kdtree_get_pt(std::size_t i, std::size_t dimension) const { return xy[i][dimension]; }
  template <class BoundingBox>
  bool kdtree_get_bbox(BoundingBox&) const {
    return false;
  }
};

using Tree = nanoflann::KDTreeSingleIndexAdaptor<nanoflann::L2_Simple_Adaptor<double, DesignCloud>,
                                                 DesignCloud, 2, std::size_t>;

// The tree hands a result set only points closer than its worst distance; one step further
// lets a point at exactly that distance in.
double inclusive(double distanceSquared) {
  return std::nextafter(distanceSquared, std::numeric_limits<double>::max());
}

// A nanoflann result set counting the points within the radius, up to one beyond the limit.
class CountWithin {
 public:
  explicit CountWithin(double radiusSquared) : worst_(inclusive(radiusSquared)) {}
  std::size_t size() const { return count_; }
  bool full() const { return count_ > kMaxWithinRadius; }
  double worstDist() const { return worst_; }
  bool addPoint(double, std::size_t) { return ++count_ <= kMaxWithinRadius; }

 private:
  double worst_;  // asked for at every step of the search
  std::size_t count_ = 0;
};

// A nanoflann result set keeping the nearest design point not yet taken within the radius,
// the lower index on a tie.
class NearestFree {
 public:
  NearestFree(const std::vector<char>& taken, double radiusSquared)
      : taken_(taken), best_(radiusSquared), worst_(inclusive(best_)) {}

  std::size_t size() const { return found_ ? 1 : 0; }
  bool full() const { return found_; }
  double worstDist() const { return worst_; }
  bool addPoint(double distanceSquared, std::size_t design) {
    if (taken_[design] || distanceSquared > best_) return true;
    if (found_ && distanceSquared == best_ && design > design_) return true;
    best_ = distanceSquared;
    worst_ = inclusive(best_);
    design_ = design;
    found_ = true;
    return true;
  }

  std::optional<std::size_t> design() const {
    return found_ ? std::optional(design_) : std::nullopt;
  }
  double distanceSquared() const { return best_; }

 private:
  const std::vector<char>& taken_;
  double best_;
  double worst_;  // asked for at every step of the search
  std::size_t design_ = 0;
  bool found_ = false;
};

// A survey point's nearest free design point, as it was when last looked for.
struct Candidate {
  double distanceSquared;
  std::size_t survey;
  std::size_t design;

  // For a min-heap: the closest pair first.
  bool operator>(const Candidate& other) const {
    if (distanceSquared != other.distanceSquared) return distanceSquared > other.distanceSquared;
    if (survey != other.survey) return survey > other.survey;
    return design > other.design;
  }
};

class ProximityMatcher {
 public:
  ProximityMatcher(const PointFile& design, double radius)
      : cloud_(design.points), taken_(design.points.size(), 0), radius_(radius), tree_(2, cloud_) {}

  // Throws PointFileError when the survey point has too many design points around it.
  void requireFewAround(const PointFile& survey, const Point& point) const {
    CountWithin count(radius_ * radius_);
    const double query[2] = {point.x, point.y};
    tree_.findNeighbors(count, query, nanoflann::SearchParams());
    if (!count.full()) return;
    throw PointFileError(fileNameOf(survey, point), point.line,
                         "more than " + std::to_string(kMaxWithinRadius) +
                             " design points lie within " + numbers::storedForm(radius_, ".") +
                             " of survey point '" + point.id + "'; pair with a smaller radius");
  }

  std::optional<Candidate> nearestFree(std::size_t survey, const Point& point) const {
    NearestFree result(taken_, radius_ * radius_);
    const double query[2] = {point.x, point.y};
    tree_.findNeighbors(result, query, nanoflann::SearchParams());
    if (!result.design()) return std::nullopt;
    return Candidate{result.distanceSquared(), survey, *result.design()};
  }

  bool isTaken(std::size_t design) const { return taken_[design] != 0; }
  void take(std::size_t design) { taken_[design] = 1; }

 private:
  DesignCloud cloud_;
  std::vector<char> taken_;
  double radius_;
  Tree tree_;
};

}  // namespace

namespace {

// Pairs each observation with the nearest free design point, closest pairs first.
Pairing pairNearest(const PointFile& design, const PointFile& survey,
                    const std::vector<Observation>& observations, double radius) {
  ProximityMatcher matcher(design, radius);
  std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> queue;
  for (std::size_t s = 0; s < observations.size(); ++s) {
    matcher.requireFewAround(survey, observations[s].point);
    if (auto candidate = matcher.nearestFree(s, observations[s].point)) queue.push(*candidate);
  }
  constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
  std::vector<std::size_t> surveyOfDesign(design.points.size(), kNone);
  std::vector<char> surveyPaired(observations.size(), 0);
  while (!queue.empty()) {
    const Candidate candidate = queue.top();
    queue.pop();
    if (matcher.isTaken(candidate.design)) {
      // Its nearest was taken by a closer pair: look again among the free ones.
      const Point& point = observations[candidate.survey].point;
      if (auto next = matcher.nearestFree(candidate.survey, point)) queue.push(*next);
      continue;
    }
    matcher.take(candidate.design);
    surveyOfDesign[candidate.design] = candidate.survey;
    surveyPaired[candidate.survey] = 1;
  }

  Pairing pairing;
  pairing.pairs.reserve(std::min(design.points.size(), observations.size()));
  for (std::size_t d = 0; d < design.points.size(); ++d) {
    if (surveyOfDesign[d] == kNone) {
      pairing.unmatchedDesign.push_back(d);
    } else {
      pairing.pairs.push_back({d, observations[surveyOfDesign[d]]});
    }
  }
  for (std::size_t s = 0; s < observations.size(); ++s) {
    if (!surveyPaired[s]) pairing.unmatchedSurvey.push_back(observations[s]);
  }
  return pairing;
}

}  // namespace

Pairing matchByProximity(const PointFile& design, const PointFile& survey, double radius) {
  std::vector<Observation> shots;
  shots.reserve(survey.points.size());
  for (const Point& shot : survey.points) shots.push_back({shot, 1});
  return pairNearest(design, survey, shots, radius);
}

Pairing matchByProximity(const PointFile& design, const PointFile& survey, double radius,
                         const IdMatching& repeats) {
  return pairNearest(design, survey, combinedShots(survey, repeats), radius);
}

}  // namespace survey
