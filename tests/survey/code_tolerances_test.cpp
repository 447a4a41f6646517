#include "survey/code_tolerances.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "survey/comparison.h"
#include "survey/design_points.h"

// Kerbs held closer in height than the rest of a stake-out, by the code of either file.
namespace survey {
namespace {

std::vector<CodeTolerances> kerbAndStakes() {
  std::vector<CodeTolerances> codes;
  setCodeTolerances(codes, parseCodeTolerances("KERB:z=0.005", pointComponents()));
  setCodeTolerances(codes, parseCodeTolerances("stk:x=0.01,h=0.05", pointComponents()));
  return codes;
}

struct BoundCase {
  const char* what;
  const char* designCode;
  const char* surveyCode;
  double dx;
  double dz;
  std::vector<std::size_t> failing;
};

void PrintTo(const BoundCase& c, std::ostream* os) {
  *os << c.what;
}

class TolerancesOfACode : public testing::TestWithParam<BoundCase> {};

// General tolerances x 0.02 and z 0.01; KERB z 0.005; STK x 0.01. Values are tested as written
// with 3 decimals, so 0.0054 is 0.005 and 0.0055 is 0.006.
TEST_P(TolerancesOfACode, HoldForTheComponentsTheyGiveAndTheGeneralOnesForTheRest) {
  const BoundCase& c = GetParam();
  const TolerancesByCode tolerances(parseTolerances("x=0.02,z=0.01", pointComponents()),
                                    kerbAndStakes(), pointComponents().size());
  const ComponentValues values{c.dx, 0.0, c.dz, c.dx};
  EXPECT_EQ(failingComponents(values, tolerances.forCodes(c.designCode, c.surveyCode), 3),
            c.failing);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, TolerancesOfACode,
    testing::Values(
        BoundCase{"kerb at its bound", "KERB", "", 0.02, 0.0054, {}},
        BoundCase{"kerb past its bound", "KERB", "", 0.02, 0.0055, {kDz}},
        BoundCase{"kerb below, as the survey codes it", "", "kerb", 0.0, -0.0055, {kDz}},
        BoundCase{"kerb keeps the general x", "KERB", "", 0.0205, 0.0, {kDx}},
        BoundCase{"no code: the general z", "", "", 0.0, 0.0104, {}},
        BoundCase{"another code: the general z", "CP", "TREE", 0.0, 0.0105, {kDz}},
        BoundCase{"stake x at its bound, its h its own", "STK", "", 0.0104, 0.0, {}},
        BoundCase{"stake x past its bound", "Stk", "", 0.0105, 0.0, {kDx}},
        BoundCase{"the design code before the survey's", "STK", "KERB", 0.0, 0.009, {}},
        BoundCase{
            "the survey's code when the design's has none", "CP", "KERB", 0.0, 0.009, {kDz}}));

TEST(CodeTolerancesText, IsReadFromTheCommandLine) {
  EXPECT_TRUE(namesCode("KERB:z=0.005"));
  EXPECT_FALSE(namesCode("x=0.02,z=0.01"));
  const CodeTolerances kerb = parseCodeTolerances(" KERB :z=0.005,h=0.01", pointComponents());
  EXPECT_EQ(kerb.code, "KERB");
  EXPECT_FALSE(kerb.tolerances[kDx].has_value());
  EXPECT_EQ(kerb.tolerances[kDz]->upper, 0.005);
  EXPECT_EQ(kerb.tolerances[kDh]->upper, 0.01);
  for (const char* bad : {":z=0.005", "KERB:", "KERB:q=1", "KERB:z=-1", "KERB:z=0.1,z=0.2"}) {
    EXPECT_THROW(parseCodeTolerances(bad, pointComponents()), std::invalid_argument) << bad;
  }
}

TEST(CodeTolerancesText, AGivenCodeGivenAgainReplacesItsTolerances) {
  std::vector<CodeTolerances> codes = kerbAndStakes();
  setCodeTolerances(codes, parseCodeTolerances("kerb:z=0.002", pointComponents()));
  ASSERT_EQ(codes.size(), 2u);
  EXPECT_EQ(codes[0].tolerances[kDz]->upper, 0.002);
}

// Two kerb pairs with dz 0.004 and 0.008 and a stake with dz 0.008: against z 0.01 for all and
// 0.005 for kerbs, one kerb fails. A kerb's own x is tested where no general x is given.
TEST(CompareByCode, CountsEachValueWithinTheToleranceItWasTestedAgainst) {
  const std::vector<Point> design{
      {"K1", 0, 0, 0.0, 1, "KERB"}, {"K2", 1, 0, 0.0, 2, "KERB"}, {"S1", 2, 0, 0.0, 3, "STK"}};
  Pairing pairing;
  pairing.pairs = {{0, {{"K1", 0.001, 0, 0.004, 1}, 1}},
                   {1, {{"K2", 1.03, 0, 0.008, 2}, 1}},
                   {2, {{"S1", 2.5, 0, 0.008, 3}, 1}}};
  std::vector<CodeTolerances> codes;
  setCodeTolerances(codes, parseCodeTolerances("KERB:z=0.005,x=0.02", pointComponents()));
  const TolerancesByCode tolerances(parseTolerances("z=0.01", pointComponents()), codes,
                                    pointComponents().size());
  const host::geom::Frame world;
  const Comparison comparison = compare(
      DesignPoints(pairing, design, world),
      [&](std::size_t shot) -> const Tolerances& {
        return tolerances.forCodes(design[pairing.pairs[shot].design].code, "");
      },
      3);
  EXPECT_EQ(comparison.failed, 1u);
  EXPECT_EQ(comparison.pairs[1].failing, (std::vector<std::size_t>{kDx, kDz}));
  EXPECT_EQ(comparison[kDz].withinTolerance, 2u);  // of three tested
  EXPECT_EQ(comparison[kDx].withinTolerance, 1u);  // of the two kerbs, the stake untested
  EXPECT_FALSE(comparison[kDh].withinTolerance.has_value());
}

}  // namespace
}  // namespace survey
