#include "survey/pairing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "survey/point_file.h"
#include "survey/point_file_error.h"

// Pairs as a surveyor reads them: which design id went with which survey id, what was left on
// either side, and nothing dropped.
namespace survey {
namespace {

Point pointAt(const std::string& id, double x, double y, std::size_t line = 0) {
  Point point;
  point.id = id;
  point.x = x;
  point.y = y;
  point.line = line;
  return point;
}

PointFile file(const std::string& name, const std::string& content) {
  return parsePoints(content, name, {});
}

// "design id=survey id" per pair, then the unmatched ids of each side.
struct Outcome {
  std::vector<std::string> pairs;
  std::vector<std::string> unmatchedDesign;
  std::vector<std::string> unmatchedSurvey;

  friend bool operator==(const Outcome&, const Outcome&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    for (const auto& list : {o.pairs, o.unmatchedDesign, o.unmatchedSurvey}) {
      os << "[";
      for (const auto& id : list) os << id << " ";
      os << "] ";
    }
    return os;
  }
};

Outcome outcomeOf(const Pairing& pairing, const PointFile& design) {
  Outcome o;
  for (const Pair& pair : pairing.pairs) {
    o.pairs.push_back(design.points[pair.design].id + "=" + pair.survey.point.id);
  }
  for (const std::size_t i : pairing.unmatchedDesign)
    o.unmatchedDesign.push_back(design.points[i].id);
  for (const auto& s : pairing.unmatchedSurvey) o.unmatchedSurvey.push_back(s.point.id);
  return o;
}

struct IdCase {
  const char* what;
  const char* design;
  const char* survey;
  IdMatching matching;
  Outcome expected;
};

void PrintTo(const IdCase& c, std::ostream* os) {
  *os << c.what;
}

class MatchById : public testing::TestWithParam<IdCase> {};

TEST_P(MatchById, PairsTheSameIds) {
  const IdCase& c = GetParam();
  const PointFile design = file("design.csv", c.design);
  EXPECT_EQ(outcomeOf(matchById(design, file("survey.csv", c.survey), c.matching), design),
            c.expected);
}

IdMatching ignoringCase() {
  IdMatching m;
  m.ignoreCase = true;
  return m;
}

IdMatching stripping(const char* prefix, const char* suffix, bool ignoreCase = false) {
  IdMatching m;
  m.surveyPrefix = prefix;
  m.surveySuffix = suffix;
  m.ignoreCase = ignoreCase;
  return m;
}

INSTANTIATE_TEST_SUITE_P(
    Ids, MatchById,
    testing::Values(
        IdCase{"exact ids, leftovers on both sides in file order",
               "P1,0,0\nP2,0,0\nP3,0,0\n",
               "X,0,0\np1,0,0\nP2,0,0\n",
               {},
               {{"P2=P2"}, {"P1", "P3"}, {"X", "p1"}}},
        IdCase{"case ignored", "P1,0,0\n", "p1,0,0\n", ignoringCase(), {{"P1=p1"}, {}, {}}},
        IdCase{"prefix and suffix taken off where present",
               "101,0,0\n102,0,0\n103,0,0\nS,0,0\n",
               "S101a,0,0\nS102,0,0\n103a,0,0\nS,0,0\n",
               stripping("S", "a"),
               {{"101=S101a", "102=S102", "103=103a", "S=S"}, {}, {}}},
        IdCase{"prefix of another case with case ignored",
               "7,0,0\n",
               "s7,0,0\n",
               stripping("S", "", true),
               {{"7=s7"}, {}, {}}},
        IdCase{"shots of an unmatched id listed once",
               "A,0,0\n",
               "B,0,0\nB,1,1\n",
               {},
               {{}, {"A"}, {"B"}}}));

TEST(MatchById, SeveralShotsAreAveragedOrTheLastTaken) {
  const PointFile design = file("design.csv", "P1,0,0,0\n");
  const PointFile survey = file("survey.csv", "P1,1,10,1\nP1,2,20\nP1,6,30,3\n");
  const Pairing averaged = matchById(design, survey, {});
  ASSERT_EQ(averaged.pairs.size(), 1u);
  const Observation& mean = averaged.pairs[0].survey;
  EXPECT_EQ(mean.shots, 3u);
  EXPECT_EQ(mean.point.x, 3.0);
  EXPECT_EQ(mean.point.y, 20.0);
  EXPECT_EQ(mean.point.z, 2.0);  // from the two shots with a height

  IdMatching last;
  last.repeats = Repeats::Last;
  const Pairing lastPairing = matchById(design, survey, last);
  const Observation& lastShot = lastPairing.pairs[0].survey;
  EXPECT_EQ(lastShot.shots, 3u);
  EXPECT_EQ(lastShot.point.x, 6.0);
  EXPECT_EQ(lastShot.point.z, 3.0);
}

TEST(MatchById, RefusesRepeatedDesignIdsAndFilesWithoutIds) {
  const auto message = [](const std::string& design, const std::string& survey, IdMatching m) {
    try {
      matchById(file("design.csv", design), file("survey.csv", survey), m);
    } catch (const PointFileError& e) {
      return std::string(e.what());
    }
    return std::string("paired without complaint");
  };
  EXPECT_EQ(message("P1,0,0\nP2,0,0\n# note\nP1,1,1\n", "P1,0,0\n", {}),
            "design.csv:4: point id 'P1' repeats the one on line 1");
  EXPECT_EQ(message("P1,0,0\np1,1,1\n", "P1,0,0\n", ignoringCase()),
            "design.csv:2: point id 'p1' repeats the one on line 1");
  EXPECT_EQ(message("Easting,Northing\n0,0\n", "P1,0,0\n", {}),
            "design.csv: has no point ids to pair by (no column P)");
}

// Two design and two survey points on a line: s2 is closest to A, so s1 must make do with B.
TEST(MatchByProximity, ClosestPairsFirstOneToOne) {
  const PointFile design = file("design.csv", "A,0,0\nB,1,0\n");
  const PointFile survey = file("survey.csv", "s1,0.4,0,5\ns2,0.1,0\n");
  EXPECT_EQ(outcomeOf(matchByProximity(design, survey, 1.0), design),
            (Outcome{{"A=s2", "B=s1"}, {}, {}}));
  EXPECT_EQ(outcomeOf(matchByProximity(design, survey, 0.5), design),
            (Outcome{{"A=s2"}, {"B"}, {"s1"}}));
}

// A stake shot twice is one observation: its mean (or last shot) pairs, not the nearer shot
// alone with the second left over as "no design point".
TEST(MatchByProximity, RepeatedShotsOfOneIdAreCombinedFirst) {
  const PointFile design = file("design.csv", "A,0,0\nB,5,0\n");
  const PointFile survey = file("survey.csv", "101,0.2,0,1\nb-7,5.1,0\n101,0.4,0,3\n");
  IdMatching averaged;
  const Pairing pairing = matchByProximity(design, survey, 0.5, averaged);
  EXPECT_EQ(outcomeOf(pairing, design), (Outcome{{"A=101", "B=b-7"}, {}, {}}));
  EXPECT_DOUBLE_EQ(pairing.pairs[0].survey.point.x, 0.3);
  EXPECT_EQ(pairing.pairs[0].survey.point.z, 2.0);
  EXPECT_EQ(pairing.pairs[0].survey.shots, 2u);

  IdMatching last;
  last.repeats = Repeats::Last;
  EXPECT_EQ(matchByProximity(design, survey, 0.5, last).pairs[0].survey.point.x, 0.4);
  // Each shot on its own, as before: the farther shot of 101 finds no free design point.
  EXPECT_EQ(outcomeOf(matchByProximity(design, survey, 0.5), design),
            (Outcome{{"A=101", "B=b-7"}, {}, {"101"}}));
}

TEST(MatchByProximity, TheRadiusIsHorizontalAndInclusive) {
  const PointFile design = file("design.csv", "A,0,0,100\nB,10,0,0\n");
  const PointFile survey = file("survey.csv", "s1,0.3,0.4,0\ns2,10.5,0.1,0\n");
  EXPECT_EQ(outcomeOf(matchByProximity(design, survey, 0.5), design),
            (Outcome{{"A=s1"}, {"B"}, {"s2"}}));
}

// The greedy rule written out plainly: every pair within the radius, closest first (then the
// earlier survey point, then the earlier design point), taken when both are still free.
std::vector<std::pair<std::size_t, std::size_t>> bruteForce(const PointFile& design,
                                                            const PointFile& survey,
                                                            double radius) {
  std::vector<std::tuple<double, std::size_t, std::size_t>> all;
  for (std::size_t s = 0; s < survey.points.size(); ++s) {
    for (std::size_t d = 0; d < design.points.size(); ++d) {
      const double dx = survey.points[s].x - design.points[d].x;
      const double dy = survey.points[s].y - design.points[d].y;
      if (dx * dx + dy * dy <= radius * radius) all.emplace_back(dx * dx + dy * dy, s, d);
    }
  }
  std::sort(all.begin(), all.end());
  std::vector<char> designTaken(design.points.size()), surveyTaken(survey.points.size());
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (const auto& [distance, s, d] : all) {
    if (designTaken[d] || surveyTaken[s]) continue;
    designTaken[d] = surveyTaken[s] = 1;
    pairs.emplace_back(d, s);
  }
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

// Crowded sites on a coarse grid, so that many points compete for the same partner.
TEST(MatchByProximity, AgreesWithTheRuleWrittenOutOnCrowdedSites) {
  std::mt19937 random(18);
  std::uniform_int_distribution<int> grid(0, 40);
  for (int round = 0; round < 5; ++round) {
    PointFile design, survey;
    design.name = "design.csv";
    survey.name = "survey.csv";
    for (int i = 0; i < 1500; ++i) {
      design.points.push_back(
          pointAt("d" + std::to_string(i), grid(random) * 0.1, grid(random) * 0.1));
      survey.points.push_back(
          pointAt("s" + std::to_string(i), grid(random) * 0.1, grid(random) * 0.1));
    }
    const Pairing pairing = matchByProximity(design, survey, 0.25);
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    for (const Pair& pair : pairing.pairs) {
      pairs.emplace_back(pair.design, std::stoul(pair.survey.point.id.substr(1)));
    }
    EXPECT_EQ(pairs, bruteForce(design, survey, 0.25));
    EXPECT_EQ(pairing.pairs.size() + pairing.unmatchedDesign.size(), design.points.size());
    EXPECT_EQ(pairing.pairs.size() + pairing.unmatchedSurvey.size(), survey.points.size());
  }
}

// Stakes far closer together than the radius make the pairing guesswork (and a hostile file
// could make it slow): refused, naming the survey point.
TEST(MatchByProximity, RefusesARadiusFarWiderThanTheStakeSpacing) {
  PointFile design, survey;
  survey.name = "survey.csv";
  for (int i = 0; i < 64; ++i) {
    design.points.push_back(pointAt("d", 5.0, 5.0));
    survey.points.push_back(pointAt("s", 5.0, 5.0, static_cast<std::size_t>(i + 1)));
  }
  EXPECT_EQ(matchByProximity(design, survey, 0.1).pairs.size(), 64u);

  design.points.push_back(pointAt("d", 5.1, 5.0));
  try {
    matchByProximity(design, survey, 0.1);
    FAIL() << "paired a crowd";
  } catch (const PointFileError& e) {
    EXPECT_STREQ(e.what(),
                 "survey.csv:1: more than 64 design points lie within 0.1 of survey point 's'; "
                 "pair with a smaller radius");
  }
}

}  // namespace
}  // namespace survey
