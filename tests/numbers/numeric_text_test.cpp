#include "numbers/numeric_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "numbers/overflow.h"

namespace {

struct Case {
  std::string text;
  double value;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class NumericValue : public ::testing::TestWithParam<Case> {};

TEST_P(NumericValue, ReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(numbers::numericValue(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericValue,
    ::testing::Values(Case{"", 0}, Case{"abc", 0}, Case{"2.5mm", 2.5}, Case{" .5", 0.5},
                      Case{"2,5", 2}, Case{"-0.025", -0.025}, Case{"+0.5", 0.5},
                      Case{" -0.5", -0.5}, Case{"1 2", 12}, Case{"1\t2\n.5", 12.5}, Case{"-", 0},
                      Case{".", 0}, Case{"-.", 0}, Case{"1.2.3", 1.2}, Case{"1e3", 1000},
                      Case{"1E-2x", 0.01}, Case{"1e", 1}, Case{"1e+", 1}, Case{"2.", 2},
                      Case{"0.000", 0}, Case{"1e-400", 0},
                      Case{"12345678901234567890", 12345678901234567890.0}, Case{"0.1", 0.1},
                      // Exponents beyond any integer type.
                      Case{"1e-99999999999999999999", 0}, Case{"-1e-9223372036854775807", 0}));

TEST(NumericValueRange, NumberBeyondADoubleIsOverflow) {
  for (const char* text : {"1e400", "1e9223372036854775807", "-0.1e99999999999999999999"}) {
    try {
      numbers::numericValue(text);
      FAIL() << "expected an overflow for " << text;
    } catch (const numbers::Overflow& e) {
      EXPECT_STREQ(e.what(), "Overflow");
    }
  }
}

TEST(NumericValueRange, NegativeZeroIsZero) {
  EXPECT_EQ(numbers::numericValue("-0"), 0.0);
  EXPECT_FALSE(numbers::numericValue("-0") < 0);
}

}  // namespace
