#include "check/report/alignment_sheets.h"
#include "check/report/plan_sheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace check::report {
namespace {

using Eigen::Vector2d;

survey::HorizontalAlignment lineOf(const Vector2d& start, const Vector2d& end,
                                   double startChainage = 0.0) {
  return {{survey::PlanElement::line(start, end)}, startChainage};
}

TEST(AlignmentSheets, ScalesInMetresPerMillimetreAreTheStandardOnesAtOrJustBeyond) {
  const struct {
    double wanted;
    double standard;
  } cases[] = {{0.1, 0.1},   {0.15, 0.2}, {0.2, 0.2},    {0.21, 0.25}, {0.3, 0.5},
               {0.51, 1.0},  {1.0, 1.0},  {1.9, 2.0},    {2.01, 2.5},  {2.6, 5.0},
               {5.01, 10.0}, {12, 20},    {0.004, 0.005}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(standardScaleAtLeast(c.wanted * 1000.0) / 1000.0, c.standard) << c.wanted;
}

TEST(AlignmentSheets, AShortLineFitsOneSheetTurnedToRunAcross) {
  // 100 m north-east from (500, 800), at chainage 40.
  const Vector2d start(500, 800);
  const Vector2d end = start + 100 * Vector2d(1, 1).normalized();
  const std::vector<AlignmentSheet> sheets = alignmentSheets(lineOf(start, end, 40), 5.0, 180, 200);
  ASSERT_EQ(sheets.size(), 1u);
  const AlignmentSheet& sheet = sheets[0];
  EXPECT_DOUBLE_EQ(sheet.fromChainage, 40);
  EXPECT_DOUBLE_EQ(sheet.toChainage, 140);
  EXPECT_DOUBLE_EQ(sheet.metresPerMm, 1.0);  // 110 m in 162 mm: 1:1000
  EXPECT_NEAR(sheet.turn, -std::numbers::pi / 4, 1e-12);
  // The line across the frame's middle, left to right.
  EXPECT_TRUE(sheet.onPaper(start).isApprox(Vector2d(-50, 0), 1e-9)) << sheet.onPaper(start);
  EXPECT_TRUE(sheet.onPaper(end).isApprox(Vector2d(50, 0), 1e-9)) << sheet.onPaper(end);
}

TEST(AlignmentSheets, ALongLineIsCutIntoRoundLengthsAtTheLeastScale) {
  const struct {
    double length;
    double halfWidth;
    std::vector<double> starts;  // of the sheets, the last ending at the line's end
  } cases[] = {
      {300, 5, {0}},  // 310 m in 162 mm: one sheet at 1:2000
      {2000, 5, {0, 300, 600, 900, 1200, 1500, 1800}},
      {620, 40, {0, 200, 400, 600}},    // wide: shorter sheets; a 20 m tail is a sheet of its own
      {900.0000001, 5, {0, 300, 600}},  // no sliver of a sheet at the end
  };
  for (const auto& c : cases) {
    const std::vector<AlignmentSheet> sheets =
        alignmentSheets(lineOf({0, 0}, {0, c.length}), c.halfWidth, 180, 200);
    std::vector<double> starts;
    for (const AlignmentSheet& sheet : sheets) starts.push_back(sheet.fromChainage);
    EXPECT_EQ(starts, c.starts) << c.length;
    ASSERT_FALSE(sheets.empty());
    EXPECT_DOUBLE_EQ(sheets.back().toChainage, c.length) << c.length;
    for (const AlignmentSheet& sheet : sheets) {
      EXPECT_LE(sheet.metresPerMm, kMostMetresPerMm) << c.length << " from " << sheet.fromChainage;
      // Running north, turned a quarter clockwise onto the page.
      EXPECT_NEAR(sheet.turn, -std::numbers::pi / 2, 1e-12);
    }
  }
}

}  // namespace
}  // namespace check::report
