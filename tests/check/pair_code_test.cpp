// The code the table and the PDF show for a pair, from its design and survey codes.
#include <gtest/gtest.h>

#include "check/pair_code.h"

namespace check {
namespace {

TEST(PairCode, ShowsBothOnlyWhereTheyDiffer) {
  const struct {
    const char* design;
    const char* survey;
    const char* shown;
  } cases[] = {{"STK", "STK", "STK"},        {"stk", "STK", "stk"}, {"KERB", "STK", "KERB / STK"},
               {"KERB", "", "KERB"},         {"", "STK", "STK"},    {"", "", ""},
               {"STK", "STK2", "STK / STK2"}};
  for (const auto& c : cases) {
    EXPECT_EQ(pairCode(c.design, c.survey), c.shown) << c.design << " | " << c.survey;
  }
}

}  // namespace
}  // namespace check
