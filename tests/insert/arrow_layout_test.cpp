#include "insert/arrow_deviation.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "numbers/numeric_text.h"
#include "recording_cad.h"

namespace {

using insert::ArrowDirection;

constexpr double kPi = 3.141592653589;

// Laid out at base point (10, 20, 30) with text height 2.
struct LayoutCase {
  ArrowDirection direction;
  std::string text;
  double arrowRot;
  std::string label;
  cad::Point3 textPnt;
  std::optional<cad::Point3> arrow2Pnt;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << (c.direction == ArrowDirection::AlongX ? "X " : "Y ") << '"' << c.text << '"';
}

class ArrowLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ArrowLayout, PlacesArrowsAndLabelBesideTheTip) {
  const LayoutCase& c = GetParam();
  const cad::Point3 base(10, 20, 30);
  const insert::ArrowLayout layout =
      insert::layoutArrow(c.direction, c.text, numbers::numericValue(c.text), base, 2.0);
  EXPECT_EQ(layout.arrowRot, c.arrowRot);
  EXPECT_EQ(layout.labelText, c.label);
  EXPECT_EQ(recording::text(layout.textPnt), recording::text(c.textPnt));
  ASSERT_EQ(layout.arrow2Pnt.has_value(), c.arrow2Pnt.has_value());
  if (c.arrow2Pnt) {
    EXPECT_EQ(*layout.arrow2Pnt, *c.arrow2Pnt);
    // The second arrow points back at the base point.
    EXPECT_EQ(layout.arrow2Rot, c.direction == ArrowDirection::AlongX ? kPi : 4.7123889803834995);
  }
}

const cad::Point3 kXZeroSecond(16, 20, 30);
const cad::Point3 kYZeroSecond(10, 26, 30);

INSTANTIATE_TEST_SUITE_P(
    AlongX, ArrowLayout,
    ::testing::Values(
        LayoutCase{ArrowDirection::AlongX, "0.012", 0, "0.012", {17, 19, 30}, {}},
        // Five characters plus 3.5 heights to the left: the label ends 0.5 beyond the tip.
        LayoutCase{ArrowDirection::AlongX, "-0.012", kPi, "0.012", {-7, 19, 30}, {}},
        LayoutCase{ArrowDirection::AlongX, "+0.5", 0, "+0.5", {17, 19, 30}, {}},
        // Only the first character goes, here a blank; the label width follows the rest.
        LayoutCase{ArrowDirection::AlongX, " -0.5", kPi, "-0.5", {-5, 19, 30}, {}},
        // Characters, not bytes: the micro sign is one character of two bytes.
        LayoutCase{ArrowDirection::AlongX, "-0.5\u00b5", kPi, "0.5\u00b5", {-5, 19, 30}, {}},
        LayoutCase{ArrowDirection::AlongX, "0.000", 0, "0", {17, 19, 30}, kXZeroSecond},
        LayoutCase{ArrowDirection::AlongX, "", 0, "0", {17, 19, 30}, kXZeroSecond},
        LayoutCase{ArrowDirection::AlongX, "-0", 0, "0", {17, 19, 30}, kXZeroSecond},
        LayoutCase{ArrowDirection::AlongX, "abc", 0, "0", {17, 19, 30}, kXZeroSecond}));

INSTANTIATE_TEST_SUITE_P(
    AlongY, ArrowLayout,
    ::testing::Values(
        LayoutCase{ArrowDirection::AlongY, "0.5", kPi / 2, "0.5", {9, 27, 30}, {}},
        LayoutCase{ArrowDirection::AlongY, "-0.5", 4.7123889803834995, "0.5", {9, 11, 30}, {}},
        // Below the arrow the offset does not depend on the label's length.
        LayoutCase{
            ArrowDirection::AlongY, "-123.456", 4.7123889803834995, "123.456", {9, 11, 30}, {}},
        LayoutCase{ArrowDirection::AlongY, "", kPi / 2, "0", {9, 27, 30}, kYZeroSecond},
        LayoutCase{ArrowDirection::AlongY, "-0.00", kPi / 2, "0", {9, 27, 30}, kYZeroSecond}));

TEST(ArrowAngles, DeriveFromPiToTwelveDecimals) {
  EXPECT_EQ(insert::kPi / 2, 1.5707963267945);
  EXPECT_EQ(3 * insert::kPi / 2, 4.7123889803834995);
}

}  // namespace
