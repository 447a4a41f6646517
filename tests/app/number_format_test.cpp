#include "app/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "cad/automation_error.h"

namespace {

using app::formatWithDP;

struct FormatCase {
  const char* DP;
  double value;
  const char* separator;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.value << " with " << c.DP << " and '" << c.separator << "' -> " << c.text;
}

class FormatWithDP : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatWithDP, WritesTheValueAsTheFormatSays) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(formatWithDP(c.value, c.DP, c.separator), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatWithDP,
    ::testing::Values(
        // The worked examples of the format.
        FormatCase{"###0.000", 1.23456, ".", "1.235"}, FormatCase{"###0.000", -0.5, ".", "-0.500"},
        FormatCase{"###0.000", 12345.6, ".", "12345.600"}, FormatCase{"###0.000", 0, ".", "0.000"},
        FormatCase{"###0", 2.4, ".", "2"}, FormatCase{"###0", -12.7, ".", "-13"},
        FormatCase{"###0.0000", 0.25, ".", "0.2500"},
        // Halfway values round away from zero on their decimal digits, although the nearest
        // doubles of 0.0005, 2.675 and 1.005 lie just below the halfway point.
        FormatCase{"###0.000", 0.0005, ".", "0.001"}, FormatCase{"###0.00", 2.675, ".", "2.68"},
        FormatCase{"###0.00", 1.005, ".", "1.01"}, FormatCase{"###0.000", -0.0005, ".", "-0.001"},
        FormatCase{"###0", 0.5, ".", "1"}, FormatCase{"###0", -2.5, ".", "-3"},
        FormatCase{"###0", 1.5, ".", "2"},
        // Carries run through every digit.
        FormatCase{"###0.00", 9.995, ".", "10.00"}, FormatCase{"###0", 999.5, ".", "1000"},
        // A negative value that rounds to zero shows no minus sign.
        FormatCase{"###0.000", -0.0004, ".", "0.000"}, FormatCase{"###0", -0.4, ".", "0"},
        FormatCase{"###0.0", -0.0, ".", "0.0"},
        // Tiny and huge magnitudes: all digits, no exponent, no grouping.
        FormatCase{"###0.000", 1e-20, ".", "0.000"},
        FormatCase{"###0", 1e20, ".", "100000000000000000000"},
        FormatCase{"###0.00000000", 0.123456789, ".", "0.12345679"},
        FormatCase{"###0.0", 1234567.25, ".", "1234567.3"},
        // The separator is the caller's.
        FormatCase{"###0.000", -0.25, ",", "-0,250"}, FormatCase{"###0", 2.5, ",", "3"}));

struct FormatRuleCase {
  std::optional<long> precision;
  const char* DP;
};

void PrintTo(const FormatRuleCase& c, std::ostream* os) {
  if (c.precision) {
    *os << "LUPREC " << *c.precision;
  } else {
    *os << "no LUPREC";
  }
  *os << " -> " << c.DP;
}

class NumberFormatFor : public ::testing::TestWithParam<FormatRuleCase> {};

TEST_P(NumberFormatFor, FollowsTheDrawingsPrecision) {
  EXPECT_EQ(app::numberFormatFor(GetParam().precision), GetParam().DP);
}

INSTANTIATE_TEST_SUITE_P(Table, NumberFormatFor,
                         ::testing::Values(FormatRuleCase{0, "###0"}, FormatRuleCase{1, "###0.0"},
                                           FormatRuleCase{4, "###0.0000"},
                                           FormatRuleCase{8, "###0.00000000"},
                                           FormatRuleCase{-1, "###0"},
                                           FormatRuleCase{std::nullopt, "###0"}));

struct HeightCase {
  double value;
  const char* display;  // as the field shows it
  const char* stored;   // as the settings store keeps it, decimal point
  const char* storedComma;
};

void PrintTo(const HeightCase& c, std::ostream* os) {
  *os << c.value << " -> '" << c.display << "' / '" << c.stored << "'";
}

class HeightForms : public ::testing::TestWithParam<HeightCase> {};

TEST_P(HeightForms, DisplayAndStoredTexts) {
  const HeightCase& c = GetParam();
  EXPECT_EQ(app::signedDisplayForm(c.value), c.display);
  EXPECT_EQ(app::storedForm(c.value, "."), c.stored);
  EXPECT_EQ(app::storedForm(c.value, ","), c.storedComma);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeightForms,
    ::testing::Values(
        HeightCase{1, " 1", "1", "1"}, HeightCase{2.5, " 2.5", "2.5", "2,5"},
        HeightCase{0.5, " .5", "0.5", "0,5"}, HeightCase{-3, "-3", "-3", "-3"},
        HeightCase{-0.25, "-.25", "-0.25", "-0,25"}, HeightCase{0, " 0", "0", "0"},
        HeightCase{-0.0, " 0", "0", "0"},
        // Cut to 15 significant digits, trailing zeros dropped.
        HeightCase{0.1 + 0.2, " .3", "0.3", "0,3"},
        HeightCase{1.0 / 3, " .333333333333333", "0.333333333333333", "0,333333333333333"},
        HeightCase{123456789012345.6, " 123456789012346", "123456789012346", "123456789012346"},
        // Outside 1E-04 .. 1E+15 the exponent form keeps the text short.
        HeightCase{0.0001, " .0001", "0.0001", "0,0001"},
        HeightCase{0.00001, " 1E-05", "1E-05", "1E-05"},
        HeightCase{1e15, " 1E+15", "1E+15", "1E+15"},
        HeightCase{-1.5e300, "-1.5E+300", "-1.5E+300", "-1,5E+300"}));

struct LocaleCase {
  const char* text;
  const char* separator;
  std::optional<double> value;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
  *os << "'" << c.text << "' with '" << c.separator << "'";
}

class LocaleNumber : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleNumber, ReadsOnlyAWholeNumber) {
  EXPECT_EQ(app::localeNumber(GetParam().text, GetParam().separator), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LocaleNumber,
    ::testing::Values(LocaleCase{"1", ".", 1.0}, LocaleCase{"2.5", ".", 2.5},
                      LocaleCase{"2,5", ",", 2.5}, LocaleCase{" -0.5 ", ".", -0.5},
                      LocaleCase{".5", ".", 0.5}, LocaleCase{"+3", ".", 3.0},
                      LocaleCase{"1E+20", ".", 1e20}, LocaleCase{"1,5E-05", ",", 1.5e-5},
                      LocaleCase{"abc", ".", std::nullopt}, LocaleCase{"", ".", std::nullopt},
                      LocaleCase{"2.5mm", ".", std::nullopt},
                      // A point is no separator where the separator is a comma, and the other
                      // way round: the stored text is always written in the user's locale.
                      LocaleCase{"2.5", ",", std::nullopt}, LocaleCase{"1,2", ".", std::nullopt},
                      LocaleCase{"1e999", ".", std::nullopt}, LocaleCase{"-", ".", std::nullopt},
                      LocaleCase{"1e", ".", std::nullopt}));

TEST(RoundedTo15Digits, CutsTheBinaryNoiseOfADifference) {
  EXPECT_EQ(app::roundedTo15Digits(1.25 - 1.0), 0.25);
  EXPECT_EQ(app::roundedTo15Digits(0.3 - 0.1), 0.2);
  EXPECT_EQ(app::roundedTo15Digits(1.0 / 3), 0.333333333333333);
  EXPECT_EQ(app::roundedTo15Digits(-2.0 / 3), -0.666666666666667);
  EXPECT_EQ(app::roundedTo15Digits(0.0), 0.0);
}

TEST(RoundedTo15Digits, FailsWithOverflowBeyondTheRangeOfADouble) {
  const double largest = std::numeric_limits<double>::max();
  for (double value : {largest, std::numeric_limits<double>::infinity(), std::nan("")}) {
    try {
      app::roundedTo15Digits(value);
      ADD_FAILURE() << value;
    } catch (const cad::AutomationError& error) {
      EXPECT_EQ(error.number(), 6);
    }
  }
}

}  // namespace
