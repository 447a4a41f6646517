// The summary, the CSV report and the statistics of a check whose reference names components
// of its own: they follow its schema, here a single component with unequal bounds.
#include <gtest/gtest.h>

#include <sstream>

#include "check/csv_report.h"
#include "check/statistics_cells.h"
#include "check/summary.h"
#include "rise_check.h"

namespace check {
namespace {

class RiseCheck : public testing::Test {
 protected:
  fixtures::RiseCheck check;
  const CheckReport& report = check.report;
};

TEST_F(RiseCheck, TheStatisticsHaveARowForItsOneComponent) {
  const StatisticsCells rise = statisticsCells(report, 0);
  EXPECT_EQ(rise.name, "rise");
  EXPECT_EQ(rise.count, "2");
  EXPECT_EQ(rise.min, "-0.015");
  EXPECT_EQ(rise.largestId, "R2");
  EXPECT_EQ(rise.withinTolerance, "1 (50.0%)");
  EXPECT_EQ(toleranceCell(report, 0), "-0.010 to 0.030");
  EXPECT_EQ(tolerancesText(report), "r -0.010 to 0.030");
}

TEST_F(RiseCheck, TheSummaryListsItsComponentAndItsKey) {
  std::ostringstream out;
  writeSummary(out, report);
  EXPECT_EQ(out.str(),
            "Design: levels.csv, 4 points\n"
            "  Columns: Point → id, Easting → E, Northing → N, Elevation → Z\n"
            "Survey: shots.csv, 4 shots\n"
            "Pairs: 3, by id\n"
            "Deviations: survey minus design along the level of the site, 3 decimals\n"
            "Never surveyed (1): R4\n"
            "No design point (1): R9\n"
            "\n"
            "      n    mean  std dev    rms     min    max  largest  at    95%  within tolerance\n"
            "rise  2  -0.002    0.019  0.014  -0.015  0.012   -0.015  R2  0.015         1 (50.0%)\n"
            "\n"
            "Tolerances: r -0.010 to 0.030\n"
            "Outside tolerance: 1 of 3 pairs\n"
            "  R2  r\n");
}

TEST_F(RiseCheck, TheCsvReportHasAColumnForItsComponent) {
  std::ostringstream out;
  writeCsvReport(out, report);
  // R3's design point has no height: no rise, nothing to test. Unmatched points leave the one
  // column empty.
  EXPECT_EQ(out.str(),
            "id,design_x,design_y,design_z,survey_x,survey_y,survey_z,shots,rise,status,failing,"
            "design_code,survey_code,survey_file,survey_line,spread_rise\n"
            "R1,0.000,0.000,10.000,0.000,0.000,10.012,1,0.012,pass,,,,shots.csv,1,\n"
            "R2,5.000,0.000,10.000,5.000,0.000,9.985,1,-0.015,fail,r,,,shots.csv,2,\n"
            "R3,10.000,0.000,,10.000,0.000,10.500,1,,pass,,,,shots.csv,3,\n"
            "R4,15.000,0.000,10.000,,,,,,unmatched-design,,,,,,\n"
            "R9,,,,30.000,0.000,10.000,1,,unmatched-survey,,,,shots.csv,4,\n");
}

}  // namespace
}  // namespace check
