#include "survey/plausibility.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>

namespace survey {
namespace {

using Change = std::function<Point(const Point&)>;

// How much closer another reading must bring the survey to be named.
constexpr double kFarBetter = 10.0;

Point centreOf(const std::vector<Point>& points) {
  Point centre;
  for (const Point& p : points) {
    centre.x += p.x / static_cast<double>(points.size());
    centre.y += p.y / static_cast<double>(points.size());
  }
  return centre;
}

// The mean horizontal distance from the design with the survey read through `change`.
double meanDistance(const std::vector<Point>& design, const std::vector<Point>& survey,
                    const Pairing& pairing, const Change& change) {
  // Without a pair, the centres of both files are compared instead.
  if (pairing.pairs.empty()) {
    const Point d = centreOf(design);
    const Point s = change(centreOf(survey));
    return std::hypot(s.x - d.x, s.y - d.y);
  }
  double sum = 0.0;
  for (const Pair& pair : pairing.pairs) {
    const Point s = change(pair.survey.point);
    const Point& d = design[pair.design];
    sum += std::hypot(s.x - d.x, s.y - d.y);
  }
  return sum / static_cast<double>(pairing.pairs.size());
}

std::string fixed(double value) {
  std::ostringstream text;
  text.precision(3);
  text << std::fixed << value;
  return text.str();
}

Change scaledBy(double factor) {
  return [factor](const Point& p) {
    Point q = p;
    q.x *= factor;
    q.y *= factor;
    return q;
  };
}

}  // namespace

std::vector<std::string> plausibilityWarnings(const std::vector<Point>& design,
                                              const std::vector<Point>& survey,
                                              const Pairing& pairing, double largestTolerance) {
  std::vector<std::string> warnings;
  if (design.empty() || survey.empty()) return warnings;
  const double limit = std::max(100.0 * largestTolerance, 1.0);
  const double mean = meanDistance(design, survey, pairing, [](const Point& p) { return p; });
  if (mean > limit) {
    warnings.push_back("the survey lies " + fixed(mean) +
                       " from the design on average: check the units, the columns and the "
                       "coordinate systems of both files");
    struct Reading {
      Change change;
      std::string what;
    };
    const Reading readings[] = {
        {[](const Point& p) {
           Point q = p;
           std::swap(q.x, q.y);
           return q;
         },
         "with easting and northing swapped in the survey (--survey-columns)"},
        {scaledBy(0.3048), "with the survey in feet (--survey-units ft)"},
        {scaledBy(1.0 / 0.3048), "with the design in feet (--design-units ft)"},
        {scaledBy(1200.0 / 3937.0), "with the survey in US survey feet (--survey-units usft)"},
        {scaledBy(3937.0 / 1200.0), "with the design in US survey feet (--design-units usft)"},
    };
    // Feet and US survey feet both come far closer than metres, and differ by little: a later
    // reading is named only when it halves the distance an earlier one leaves.
    const Reading* best = nullptr;
    double bestMean = mean;
    for (const Reading& reading : readings) {
      const double other = meanDistance(design, survey, pairing, reading.change);
      if (best ? other < bestMean / 2.0 : other < bestMean) {
        best = &reading;
        bestMean = other;
      }
    }
    if (best && bestMean * kFarBetter < mean) {
      warnings.push_back("the check fits far better " + best->what + ": " + fixed(bestMean) +
                         " on average instead of " + fixed(mean));
    }
  }
  const std::size_t surveyed = pairing.pairs.size() + pairing.unmatchedSurvey.size();
  if (pairing.unmatchedSurvey.size() * 2 > surveyed) {
    warnings.push_back(std::to_string(pairing.unmatchedSurvey.size()) + " of " +
                       std::to_string(surveyed) + " survey points match no design point");
  }
  return warnings;
}

}  // namespace survey
