#include "numbers/number_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <random>

#include "numbers/decimal_text.h"
#include "numbers/overflow.h"

namespace {

struct FormatCase {
  const char* DP;
  double value;
  const char* separator;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.value << " with " << c.DP << " and '" << c.separator << "'";
}

class FormatWithDP : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatWithDP, WritesTheValueAsTheFormatSays) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(numbers::formatWithDP(c.value, c.DP, c.separator), c.text);
}

// The rounded value is the text read back, sign of zero included, so that whatever is drawn by
// the value (which way an arrow points) agrees with the label.
TEST_P(FormatWithDP, RoundedValueIsTheTextReadBack) {
  const FormatCase& c = GetParam();
  const double rounded = numbers::roundedWithDP(c.value, c.DP);
  const std::optional<double> read = numbers::localeNumber(c.text, c.separator);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(rounded, *read);
  EXPECT_EQ(std::signbit(rounded), std::signbit(*read));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatWithDP,
    ::testing::Values(
        FormatCase{"###0.000", 1.23456, ".", "1.235"}, FormatCase{"###0.000", -0.5, ".", "-0.500"},
        FormatCase{"###0.000", 12345.6, ".", "12345.600"}, FormatCase{"###0", -12.7, ".", "-13"},
        FormatCase{"###0.0000", 0.25, ".", "0.2500"},
        // Halfway rounds away from zero on the decimal digits, although the
        // doubles nearest 0.0005 and 2.675 lie just below the halfway point.
        FormatCase{"###0.000", 0.0005, ".", "0.001"}, FormatCase{"###0.00", 2.675, ".", "2.68"},
        FormatCase{"###0", -2.5, ".", "-3"}, FormatCase{"###0.00", 9.995, ".", "10.00"},
        // Rounded to zero, a negative value loses its minus sign.
        FormatCase{"###0.000", -0.0004, ".", "0.000"}, FormatCase{"###0", -0.0, ".", "0"},
        FormatCase{"###0", 1e20, ".", "100000000000000000000"},
        FormatCase{"###0.000", 1e-20, ".", "0.000"}, FormatCase{"###0.000", -0.25, ",", "-0,250"}));

// The text formatWithDP must give, found by decimal arithmetic alone on the shortest decimal
// form of the value: its digits cut after `places` decimals, the last one rounded half away from
// zero.
std::string decimallyRounded(double value, int places) {
  char buffer[400];
  char* end =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed).ptr;
  std::string digits(buffer, end);
  std::size_t point = digits.find('.');
  if (point == std::string::npos) point = digits.size(), digits += '.';
  digits.append(static_cast<std::size_t>(places) + 1, '0');
  bool up = digits[point + static_cast<std::size_t>(places) + 1] >= '5';
  digits.erase(point, 1);
  digits.resize(point + static_cast<std::size_t>(places));
  for (std::size_t i = digits.size(); up && i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      up = false;
    } else {
      digits[i] = '0';
    }
  }
  if (up) digits.insert(0, "1"), ++point;
  std::string text = digits.substr(0, point);
  if (places > 0) text += "." + digits.substr(point);
  const bool zero = text.find_first_not_of("0.") == std::string::npos;
  return (value < 0 && !zero ? "-" : "") + text;
}

// Survey-sized values at and beside every halfway point of the last decimal, where rounding the
// binary value and rounding its decimal digits could part.
TEST(FormatWithDPSweep, RoundsTheDecimalDigitsAtEveryHalfway) {
  for (const double base : {0.0, 1.0, 123.4, 512000.0, 5401000.0, 1e9}) {
    for (const int places : {0, 1, 3, 4, 8}) {
      const double unit = std::pow(10.0, -places);
      for (int k = 0; k < 400; ++k) {
        const double halfway = base + (k + 0.5) * unit;
        for (const double value : {halfway, std::nextafter(halfway, 0.0),
                                   std::nextafter(halfway, 1e300), base + k * unit * 1.37}) {
          for (const double signed_ : {value, -value}) {
            const std::string DP = places == 0 ? "###0" : "###0." + std::string(places, '0');
            ASSERT_EQ(numbers::formatWithDP(signed_, DP, "."), decimallyRounded(signed_, places))
                << std::hexfloat << signed_ << " at " << places;
          }
        }
      }
    }
  }
}

struct HeightCase {
  double value;
  const char* display;  // as the field shows it
  const char* stored;   // as the settings store keeps it where the separator is a comma
};

void PrintTo(const HeightCase& c, std::ostream* os) {
  *os << c.value;
}

class HeightForms : public ::testing::TestWithParam<HeightCase> {};

TEST_P(HeightForms, DisplayAndStoredTexts) {
  EXPECT_EQ(numbers::signedDisplayForm(GetParam().value), GetParam().display);
  EXPECT_EQ(numbers::storedForm(GetParam().value, ","), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HeightForms,
    ::testing::Values(HeightCase{1, " 1", "1"}, HeightCase{2.5, " 2.5", "2,5"},
                      HeightCase{0.5, " .5", "0,5"}, HeightCase{-0.25, "-.25", "-0,25"},
                      HeightCase{-0.0, " 0", "0"}, HeightCase{0.1 + 0.2, " .3", "0,3"},
                      HeightCase{2.0 / 3, " .666666666666667", "0,666666666666667"},
                      HeightCase{0.00001, " 1E-05", "1E-05"},
                      HeightCase{-1.5e300, "-1.5E+300", "-1,5E+300"}));

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
  EXPECT_EQ(numbers::localeNumber(GetParam().text, GetParam().separator), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LocaleNumber,
    ::testing::Values(LocaleCase{" -0.5 ", ".", -0.5}, LocaleCase{"2,5", ",", 2.5},
                      LocaleCase{".5", ".", 0.5}, LocaleCase{"1,5E-05", ",", 1.5e-5},
                      LocaleCase{"abc", ".", std::nullopt}, LocaleCase{"", ".", std::nullopt},
                      LocaleCase{"2.5mm", ".", std::nullopt}, LocaleCase{"2.5", ",", std::nullopt},
                      LocaleCase{"1,2", ".", std::nullopt}, LocaleCase{"1e999", ".", std::nullopt},
                      LocaleCase{"1e", ".", std::nullopt}, LocaleCase{"\t2.5\r\n", ".", 2.5},
                      LocaleCase{" \t ", ".", std::nullopt}));

TEST(RoundedTo15Digits, CutsBinaryNoiseAndFailsBeyondTheRange) {
  EXPECT_EQ(numbers::roundedTo15Digits(0.3 - 0.1), 0.2);
  EXPECT_EQ(numbers::roundedTo15Digits(-2.0 / 3), -0.666666666666667);
  for (double value :
       {std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()}) {
    try {
      numbers::roundedTo15Digits(value);
      ADD_FAILURE() << value;
    } catch (const numbers::Overflow& error) {
      EXPECT_STREQ(error.what(), "Overflow");
    }
  }
}

// The shortest decimal of the value rounded to 15 significant digits, read back.
double decimallyRounded15(double value) {
  const numbers::DecimalText d = numbers::DecimalText::of(value);
  if (d.digits.size() <= 15) return d.isZero() ? 0.0 : value;
  return d.roundedToSignificant(15).toDouble();
}

// Deviations as a check computes them (differences of coordinates written with a few decimals),
// values of every size, and values at and beside the halfway point of the 15th digit, where
// rounding the binary value and rounding its decimal digits could part.
TEST(RoundedTo15DigitsSweep, RoundsTheShortestDecimalAsItsDigitsSay) {
  std::mt19937_64 random(15);
  std::uniform_int_distribution<long long> thousandths(-2'000'000'000'000LL, 2'000'000'000'000LL);
  std::uniform_int_distribution<int> noise(-999, 999);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-10, 16);
  std::vector<double> values;
  for (int i = 0; i < 200'000; ++i) {
    const double a = static_cast<double>(thousandths(random)) / 1000;
    values.push_back(a + noise(random) / 1000.0 - a);
    values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    const double halfway =
        (std::floor(mantissa(random) * 1e14) + 0.5) * std::pow(10.0, -14 + exponent(random));
    values.insert(values.end(),
                  {halfway, std::nextafter(halfway, 0.0), std::nextafter(halfway, 1e300)});
  }
  for (int power = -12; power <= 16; ++power) {
    const double ten = std::pow(10.0, power);
    values.insert(values.end(), {ten, std::nextafter(ten, 0.0), std::nextafter(ten, 1e300)});
  }
  for (const double value : values) {
    for (const double signed_ : {value, -value}) {
      ASSERT_EQ(numbers::roundedTo15Digits(signed_), decimallyRounded15(signed_))
          << std::hexfloat << signed_;
    }
  }
}

}  // namespace
