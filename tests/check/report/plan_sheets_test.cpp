#include "check/report/plan_sheets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace check::report {
namespace {

// The frame of the report's plan inside its margin, in millimetres.
constexpr double kWidth = 156.0;
constexpr double kHeight = 176.0;
constexpr double kReadable = 8.0;

// Stakes every `spacing` along X from the origin.
std::vector<PlanPoint> row(int count, double spacing, double y = 0.0) {
  std::vector<PlanPoint> points;
  for (int i = 0; i < count; ++i) points.push_back({i * spacing, y});
  return points;
}

PlanSheets sheetsOf(const std::vector<PlanPoint>& points, double metresPerUnit = 1.0,
                    std::size_t mostSheets = 48) {
  return planSheets(points, kWidth, kHeight, metresPerUnit, kReadable, mostSheets);
}

TEST(PlanSheets, StandardScalesAreOneTwoTwoAndAHalfOrFiveTimesAPowerOfTen) {
  const struct {
    double value;
    double atLeast;
    double atMost;
  } cases[] = {{128, 200, 100},  {200, 200, 200},    {240, 250, 200},    {251, 500, 250},
               {625, 1000, 500}, {2500, 2500, 2500}, {3000, 5000, 2500}, {9999, 10000, 5000},
               {0.5, 1, 1},      {1, 1, 1}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(standardScaleAtLeast(c.value), c.atLeast) << c.value;
    EXPECT_DOUBLE_EQ(standardScaleAtMost(c.value), c.atMost) << c.value;
  }
}

TEST(PlanSheets, TheSpacingIsTheUsualDistanceToTheNearestPoint) {
  std::vector<PlanPoint> grid;
  for (int i = 0; i < 20000; ++i) grid.push_back({5.0 * (i % 200), 5.0 * (i / 200)});
  std::vector<PlanPoint> repeated = row(10, 20.0);
  repeated.insert(repeated.end(), repeated.begin(), repeated.end());  // each shot twice
  std::vector<PlanPoint> withBlunder = row(10, 20.0);
  withBlunder.push_back({5000.0, 0.0});
  const struct {
    const char* name;
    std::vector<PlanPoint> points;
    double spacing;
  } cases[] = {{"grid of 20,000 at 5 m", grid, 5.0},
               {"points in the same place passed over", repeated, 20.0},
               {"a point far off changes nothing", withBlunder, 20.0},
               {"one point", {{3, 4}}, 0.0},
               {"all in one place", {{3, 4}, {3, 4}}, 0.0},
               {"none", {}, 0.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(typicalSpacing(c.points), c.spacing) << c.name;
}

TEST(PlanSheets, WhatFitsOneSheetIsDrawnAtTheLargestScaleThatHoldsIt) {
  const struct {
    const char* name;
    std::vector<PlanPoint> points;
    double metresPerUnit;
    double scale;
  } cases[] = {
      {"three stakes over 20 m", row(3, 10.0), 1.0, 200},
      {"the same in feet", row(3, 10.0), 0.3048, 50},
      {"one point", {{100, 200}}, 1.0, 1},
      {"no points", {}, 1.0, 1},
      // 300 m fit 1:2000, where stakes 20 m apart are 10 mm apart.
      {"a row of 16 stakes 20 m apart", row(16, 20.0), 1.0, 2000},
  };
  for (const auto& c : cases) {
    const PlanSheets layout = sheetsOf(c.points, c.metresPerUnit);
    EXPECT_DOUBLE_EQ(layout.scale, c.scale) << c.name;
    ASSERT_EQ(layout.sheets.size(), 1u) << c.name;
    std::vector<std::size_t> all(c.points.size());
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(layout.sheets[0].points, all) << c.name;
    for (const PlanPoint& p : c.points) EXPECT_TRUE(layout.sheets[0].window.contains(p)) << c.name;
  }
}

// A road of 151 stakes 20 m apart, 3 km long: at 1:2500 (8 mm between stakes) a sheet holds
// 390 m, so eight sheets in a row, numbered from the left; every stake on one of them.
TEST(PlanSheets, ALongRoadGoesOnSheetsAtAReadableScale) {
  const std::vector<PlanPoint> road = row(151, 20.0, 500.0);
  const PlanSheets layout = sheetsOf(road);
  EXPECT_DOUBLE_EQ(layout.scale, 2500);
  ASSERT_EQ(layout.sheets.size(), 8u);
  std::vector<int> seen(road.size(), 0);
  for (std::size_t s = 0; s < layout.sheets.size(); ++s) {
    const PlanWindow& window = layout.sheets[s].window;
    EXPECT_NEAR(window.maxX - window.minX, 390.0, 1e-9);
    EXPECT_NEAR(window.maxY - window.minY, 440.0, 1e-9);
    if (s > 0) {
      EXPECT_NEAR(window.minX, layout.sheets[s - 1].window.maxX, 1e-9);
    }
    for (const std::size_t i : layout.sheets[s].points) {
      EXPECT_TRUE(window.contains(road[i])) << i << " on sheet " << s + 1;
      ++seen[i];
    }
  }
  for (std::size_t i = 0; i < road.size(); ++i) EXPECT_EQ(seen[i], 1) << i;
}

// Two sites 10 km apart: two sheets, not the hundreds of empty ones between them; numbered row
// by row from the top left.
TEST(PlanSheets, SheetsWithoutPointsAreLeftOut) {
  std::vector<PlanPoint> points = row(10, 20.0, 10000.0);  // north-west
  const std::vector<PlanPoint> southEast = row(10, 20.0, 0.0);
  for (const PlanPoint& p : southEast) points.push_back({p.x + 10000.0, p.y});
  const PlanSheets layout = sheetsOf(points);
  EXPECT_DOUBLE_EQ(layout.scale, 2500);
  ASSERT_EQ(layout.sheets.size(), 2u);
  EXPECT_GT(layout.sheets[0].window.minY, layout.sheets[1].window.maxY);
  EXPECT_EQ(layout.sheets[0].points.front(), 0u);
  EXPECT_EQ(layout.sheets[1].points.front(), 10u);
}

// 20,000 points 5 m apart over 1 km by 500 m would take 78 sheets at 1:500; rather than more
// than the most sheets allowed the plan goes to 1:1000, on 21.
TEST(PlanSheets, TooManySheetsMakeTheScaleSmaller) {
  std::vector<PlanPoint> grid;
  for (int i = 0; i < 20000; ++i) grid.push_back({5.0 * (i % 200), 5.0 * (i / 200)});
  const PlanSheets layout = sheetsOf(grid);
  EXPECT_DOUBLE_EQ(layout.scale, 1000);
  EXPECT_EQ(layout.sheets.size(), 21u);
  const PlanSheets one = sheetsOf(grid, 1.0, 1);
  EXPECT_EQ(one.sheets.size(), 1u);
  EXPECT_DOUBLE_EQ(one.scale, 10000);
}

// Points a centimetre apart among stakes 20 m apart are not worth a plan at 1:1: the sheets
// stay at 1:100 and the crowded ids are left to the list.
TEST(PlanSheets, CrowdedPointsStopAtOneToAHundred) {
  std::vector<PlanPoint> points = row(3, 20.0);
  for (int i = 0; i < 20; ++i) points.push_back({20.0 + 0.01 * i, 0.0});
  const PlanSheets layout = sheetsOf(points);
  EXPECT_DOUBLE_EQ(layout.scale, 100);
  EXPECT_EQ(layout.sheets.size(), 3u);
}

}  // namespace
}  // namespace check::report
