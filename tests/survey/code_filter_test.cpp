#include "survey/code_filter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// Checking only the stakes, or all but the control points, by the codes of either file.
namespace survey {
namespace {

struct FilterCase {
  const char* what;
  CodeFilter filter;
  std::vector<std::string> kept;  // design ids of pairs, then "-" and the ids of unmatched points
};

void PrintTo(const FilterCase& c, std::ostream* os) {
  *os << c.what;
}

class CodeFilters : public testing::TestWithParam<FilterCase> {};

TEST_P(CodeFilters, KeepPairsAndPointsByEitherCode) {
  const std::vector<Point> design{{"S1", 0, 0, {}, 1, "STK"},
                                  {"S2", 1, 0, {}, 2, "stk"},
                                  {"K1", 2, 0, {}, 3, "KERB"},
                                  {"C1", 3, 0, {}, 4, "CP"},
                                  {"S3", 4, 0, {}, 5, "STK"}};
  Pairing pairing;
  // K1 was shot with the code STK by mistake; C1 with no code.
  pairing.pairs = {{0, {{"S1", 0, 0, {}, 1, ""}, 1}},
                   {1, {{"S2", 1, 0, {}, 2, "STK"}, 1}},
                   {2, {{"K1", 2, 0, {}, 3, "STK"}, 1}},
                   {3, {{"C1", 3, 0, {}, 4, ""}, 1}}};
  pairing.unmatchedDesign = {4};
  pairing.unmatchedSurvey = {{{"X1", 9, 9, {}, 5, "CP"}, 1}, {{"X2", 8, 8, {}, 6, "TREE"}, 1}};
  const Pairing filtered = filteredByCode(pairing, design, GetParam().filter);
  std::vector<std::string> kept;
  for (const Pair& pair : filtered.pairs) kept.push_back(design[pair.design].id);
  kept.push_back("-");
  for (const std::size_t d : filtered.unmatchedDesign) kept.push_back(design[d].id);
  for (const Observation& o : filtered.unmatchedSurvey) kept.push_back(o.point.id);
  EXPECT_EQ(kept, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, CodeFilters,
    testing::Values(
        FilterCase{"no filter", {}, {"S1", "S2", "K1", "C1", "-", "S3", "X1", "X2"}},
        FilterCase{"only stakes, case ignored", {{"stk"}, {}}, {"S1", "S2", "K1", "-", "S3"}},
        FilterCase{"all but control points", {{}, {"CP"}}, {"S1", "S2", "K1", "-", "S3", "X2"}},
        FilterCase{"kerbs only, not where shot as a stake", {{"KERB"}, {"STK"}}, {"-"}}));

TEST(CodeLists, AreReadFromTheCommandLine) {
  EXPECT_EQ(parseCodeList(" STK, KERB ,CP"), (std::vector<std::string>{"STK", "KERB", "CP"}));
  EXPECT_THROW(parseCodeList("STK,,CP"), std::invalid_argument);
  EXPECT_THROW(parseCodeList(""), std::invalid_argument);
}

}  // namespace
}  // namespace survey
