#include "form/twips.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <stdexcept>

namespace {

struct TwipsCase {
  int twips;
  double dpi;
  int pixels;
};

void PrintTo(const TwipsCase& c, std::ostream* os) {
  *os << c.twips << " twips at " << c.dpi << " dpi";
}

class TwipsToPixels : public testing::TestWithParam<TwipsCase> {};

TEST_P(TwipsToPixels, RoundsToTheNearestPixel) {
  const TwipsCase c = GetParam();
  EXPECT_EQ(form::twipsToPixels(c.twips, c.dpi), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwipsToPixels,
                         testing::Values(TwipsCase{0, 96, 0}, TwipsCase{7, 96, 0},
                                         TwipsCase{8, 96, 1}, TwipsCase{8200, 96, 547},
                                         TwipsCase{8420, 96, 561}, TwipsCase{720, 120, 60},
                                         TwipsCase{1440, 144, 144}));

TEST(TwipsToPixelsRejects, ADpiThatIsNotAPositiveNumber) {
  for (double dpi : {0.0, -96.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()})
    EXPECT_THROW(form::twipsToPixels(100, dpi), std::invalid_argument) << dpi;
}

}  // namespace
