// Several survey files in one `kestova check`, and tolerances per code, as a script meets them:
// the built program run on point files, its summary, and its CSV read back with Python's csv.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_folder.h"

namespace check {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation,Code\n"
    "P1,1000.000,2000.000,50.000,STK\n"
    "K1,1010.000,2000.000,50.000,KERB\n"
    "K2,1020.000,2000.000,50.000,kerb\n";

// Id, design_x, shots, and the columns from status on.
constexpr const char* kCodeColumns = R"(import csv, sys
for row in csv.reader(open(sys.argv[1], newline="")):
    print("|".join(row[:2] + row[7:8] + row[12:]))
)";

class SeveralSurveys : public ProgramFolder {
 protected:
  SeveralSurveys() : ProgramFolder("check ") {}
  void SetUp() override {
    ProgramFolder::SetUp();
    write("design.csv", kDesign);
    // Day 2 is semicolon-separated; its first line is a note.
    write("day1.csv", "P1,1000.004,2000.000,50.000\nK1,1010.000,2000.000,50.004\n");
    write("day2.csv", "# day 2\nP1;1000.010;2000.000;50.000\nK2;1020.000;2000.000;50.006\n");
  }
};

TEST_F(SeveralSurveys, AreCheckedAsOneSurveyEachShotNamingItsFileAndLine) {
  const ProgramRun result = run("design.csv day1.csv day2.csv --csv out.csv");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Survey: 2 files, 4 shots\n"
                            "  day1.csv, 2 shots\n"
                            "  day2.csv, 2 shots\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Pairs: 3, by id (1 from several shots)\n"), std::string::npos);
  // P1 shot on both days: averaged, placed at its first shot.
  EXPECT_EQ(
      csvRows("out.csv", kCodeColumns),
      (std::vector<std::string>{"id|design_x|shots|status|failing|design_code|survey_code|"
                                "survey_file|survey_line|spread_dx|spread_dy|spread_dz|spread_dh",
                                "P1|1000.000|2|pass||STK||day1.csv|1|0.006|0.000|0.000|0.006",
                                "K1|1010.000|1|pass||KERB||day1.csv|2||||",
                                "K2|1020.000|1|pass||kerb||day2.csv|3||||"}));
  EXPECT_EQ(run("design.csv day1.csv day2.csv --repeats last --csv out.csv").status, 0);
  EXPECT_EQ(csvRows("out.csv", kCodeColumns)[1],
            "P1|1000.000|2|pass||STK||day2.csv|2|0.006|0.000|0.000|0.006");
}

// Each survey file is read with the survey's options: both need their decimal commas.
TEST_F(SeveralSurveys, AreEachReadWithTheSurveysOptions) {
  write("day1.csv", "PktNr;Ost;Nord;Hoehe\nP1;1000,004;2000,000;50,000\n");
  write("day2.csv", "K1\t1010,0\t2000,0\t50,0\n");
  const ProgramRun comma = run("design.csv day1.csv day2.csv --survey-decimal-comma");
  EXPECT_EQ(comma.status, 1) << comma.err;
  EXPECT_NE(
      comma.out.find("  day1.csv, 1 shot\n"
                     "    Columns: PktNr \u2192 id, Ost \u2192 E, Nord \u2192 N, Hoehe \u2192 Z\n"
                     "  day2.csv, 1 shot\n"),
      std::string::npos)
      << comma.out;
  EXPECT_NE(comma.out.find("Pairs: 2, by id\n"), std::string::npos) << comma.out;
  const ProgramRun plain = run("design.csv day1.csv day2.csv");
  EXPECT_EQ(plain.status, 2);
  EXPECT_NE(plain.err.find("day1.csv:2:"), std::string::npos) << plain.err;
}

TEST_F(SeveralSurveys, HelpDescribesThemAndTolerancesPerCode) {
  const ProgramRun help = run("--help");
  EXPECT_EQ(help.out.rfind("Usage: kestova check DESIGN SURVEY [SURVEY...] [options]\n", 0), 0u);
  EXPECT_NE(help.out.find("--tolerance CODE:x=,y=,z=,h="), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("survey_file,"), std::string::npos) << help.out;
}

TEST_F(SeveralSurveys, NoneIsEverReplacedByAReport) {
  for (const char* output : {"--csv day2.csv", "--pdf ./day1.csv", "--dxf day2.csv"}) {
    const ProgramRun result = run(std::string("design.csv day1.csv day2.csv ") + output);
    EXPECT_EQ(result.status, 2) << output;
    EXPECT_NE(result.err.find("names the survey file"), std::string::npos) << result.err;
  }
  EXPECT_EQ(read("day1.csv"), "P1,1000.004,2000.000,50.000\nK1,1010.000,2000.000,50.004\n");
  EXPECT_EQ(read("day2.csv"),
            "# day 2\nP1;1000.010;2000.000;50.000\nK2;1020.000;2000.000;50.006\n");
}

TEST_F(SeveralSurveys, OneWithoutIdsIsNamedWhenPairingById) {
  write("no_ids.csv", "Easting,Northing,Height\n1010.0,2000.0,50.0\n");
  const ProgramRun result = run("design.csv day1.csv no_ids.csv");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, "kestova check: no_ids.csv: has no point ids to pair by (no column P)\n");
}

// Kerbs at z 0.005 beside z 0.01 for the rest: K1 (dz 0.004) passes, K2 (dz 0.006) fails,
// P1 (dz 0) passes; at z 0.003 for kerbs both fail.
TEST_F(SeveralSurveys, TolerancesOfACodeHoldForItsPairs) {
  const ProgramRun result =
      run("design.csv day1.csv day2.csv --tolerance x=0.02,z=0.01 "
          "--tolerance KERB:z=0.005 --csv out.csv");
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.out.find("Tolerances: x 0.020, z 0.010\n"
                            "Tolerances for code KERB: x 0.020, z 0.005\n"
                            "Outside tolerance: 1 of 3 pairs\n"
                            "  K2  z\n"),
            std::string::npos)
      << result.out;
  const std::vector<std::string> rows = csvRows("out.csv", kCodeColumns);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[2], "K1|1010.000|1|pass||KERB||day1.csv|2||||");
  EXPECT_EQ(rows[3], "K2|1020.000|1|fail|z|kerb||day2.csv|3||||");
  const ProgramRun tighter = run("design.csv day1.csv day2.csv --tolerance kerb:z=0.003,x=0.1");
  EXPECT_NE(tighter.out.find("Tolerances: none\nTolerances for code kerb: x 0.100, z 0.003\n"
                             "Outside tolerance: 2 of 3 pairs\n"),
            std::string::npos)
      << tighter.out;
  const ProgramRun bad = run("design.csv day1.csv --tolerance KERB:w=1");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--tolerance: 'w=1' is not a tolerance"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace check
