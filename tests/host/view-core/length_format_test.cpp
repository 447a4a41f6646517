#include <gtest/gtest.h>

#include "host/view-core/length_format.h"

namespace host::view {
namespace {

TEST(LengthFormat, ShowsTheDrawingsPrecisionWithoutNegativeZeroOrExponents) {
  struct Case {
    double value;
    int decimals;
    const char* shown;
  };
  for (const Case& c :
       {Case{7.1054273576e-15, 4, "0.0000"}, Case{-1e-9, 3, "0.000"}, Case{-0.0005, 3, "-0.001"},
        Case{5704118.25, 2, "5704118.25"}, Case{-12.5, 0, "-12"},
        Case{1e20, 1, "100000000000000000000.0"}, Case{0.125, 12, "0.12500000"}}) {
    EXPECT_EQ(formatLength(c.value, c.decimals), c.shown) << c.value;
  }
  EXPECT_EQ(formatPoint(1, -1e-12, 45, 2), "1.00,0.00,45.00");
}

}  // namespace
}  // namespace host::view
