#include "survey/plausibility.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "survey/length_unit.h"

// The warnings a surveyor needs when a check reports kilometres: which reading of the files
// would have made sense.
namespace survey {
namespace {

// Stakes of a road in a projected grid, in metres.
std::vector<Point> design() {
  std::vector<Point> points;
  for (int k = 0; k < 6; ++k) {
    points.push_back({"S" + std::to_string(k), 512280.0 + 7.5 * k, 5433112.0 + 3.0 * k, 312.0});
  }
  return points;
}

// Each survey point paired with the design point of its place.
Pairing pairedInOrder(const std::vector<Point>& survey) {
  Pairing pairing;
  for (std::size_t k = 0; k < survey.size(); ++k) pairing.pairs.push_back({k, {survey[k], 1}});
  return pairing;
}

struct PlausibilityCase {
  const char* what;
  // The survey as the files gave it, from the design's points.
  Point (*surveyed)(const Point&);
  bool paired;
  std::vector<std::string> warningsStartWith;
};

void PrintTo(const PlausibilityCase& c, std::ostream* os) {
  *os << c.what;
}

class Plausibility : public testing::TestWithParam<PlausibilityCase> {};

TEST_P(Plausibility, NamesTheReadingThatFits) {
  const PlausibilityCase& c = GetParam();
  std::vector<Point> survey;
  for (const Point& p : design()) survey.push_back(c.surveyed(p));
  const Pairing pairing = c.paired ? pairedInOrder(survey) : Pairing{{}, {}, {}};
  Pairing used = pairing;
  if (!c.paired) {
    for (const Point& p : survey) used.unmatchedSurvey.push_back({p, 1});
  }
  const std::vector<std::string> warnings = plausibilityWarnings(design(), survey, used, 0.02);
  ASSERT_EQ(warnings.size(), c.warningsStartWith.size()) << testing::PrintToString(warnings);
  for (std::size_t k = 0; k < warnings.size(); ++k) {
    EXPECT_EQ(warnings[k].substr(0, c.warningsStartWith[k].size()), c.warningsStartWith[k]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Plausibility,
    testing::Values(
        PlausibilityCase{"a good survey",
                         [](const Point& p) {
                           return Point{p.id, p.x + 0.01, p.y - 0.005, p.z};
                         },
                         true,
                         {}},
        PlausibilityCase{
            "easting and northing swapped",
            [](const Point& p) {
              return Point{p.id, p.y, p.x, p.z};
            },
            true,
            {"the survey lies ", "the check fits far better with easting and northing swapped"}},
        PlausibilityCase{"a survey in feet",
                         [](const Point& p) {
                           return Point{p.id, p.x / 0.3048, p.y / 0.3048, p.z};
                         },
                         true,
                         {"the survey lies ", "the check fits far better with the survey in feet"}},
        PlausibilityCase{
            "a design in US survey feet read against a survey in metres",
            [](const Point& p) {
              return Point{p.id, p.x * 1200.0 / 3937.0, p.y * 1200.0 / 3937.0, p.z};
            },
            true,
            {"the survey lies ", "the check fits far better with the design in US survey feet"}},
        PlausibilityCase{"nothing paired: the files' centres are compared",
                         [](const Point& p) {
                           return Point{p.id, p.x / 0.3048, p.y / 0.3048, p.z};
                         },
                         false,
                         {"the survey lies ", "the check fits far better with the survey in feet",
                          "6 of 6 survey points match no design point"}}));

TEST(Plausibility, AWideToleranceRaisesTheDistanceThatIsTooFar) {
  std::vector<Point> survey = design();
  for (Point& p : survey) p.x += 30.0;  // a site grid shifted by 30 m, tolerated at 0.5
  EXPECT_TRUE(plausibilityWarnings(design(), survey, pairedInOrder(survey), 0.5).empty());
  EXPECT_EQ(plausibilityWarnings(design(), survey, pairedInOrder(survey), 0.2).size(), 1u);
}

TEST(LengthUnits, ConvertBetweenMetresAndBothFeet) {
  EXPECT_EQ(parseLengthUnit("FT"), LengthUnit::Foot);
  EXPECT_DOUBLE_EQ(conversionFactor(LengthUnit::Foot, LengthUnit::Metre), 0.3048);
  EXPECT_DOUBLE_EQ(conversionFactor(LengthUnit::Metre, LengthUnit::UsSurveyFoot), 3937.0 / 1200.0);
  EXPECT_EQ(conversionFactor(LengthUnit::Foot, LengthUnit::Foot), 1.0);
  EXPECT_THROW(parseLengthUnit("yd"), std::invalid_argument);
}

}  // namespace
}  // namespace survey
