// `kestova check` as a script meets it: the built program run on point files, its exit status,
// its summary, its messages, and the CSV it writes read back with Python's csv module.
#include <gtest/gtest.h>

#include <sstream>

#include "program_folder.h"
#include "python_reader.h"
#include "site_drawing.h"

namespace check {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation,Code\n"
    "P1,1000.000,2000.000,50.000,stake\n"
    "P2,1010.000,2000.000,50.500,stake\n"
    "P3,1020.000,2000.000,51.000,stake\n";

constexpr const char* kSurveyWithin =
    "P1,1000.005,1999.998,50.003\n"
    "P2,1010.010,2000.004,50.495\n"
    "P3,1019.995,2000.000,51.002\n";

// P2 outside in x, z and h; P3 never surveyed; X9 not in the design.
constexpr const char* kSurveyOutside =
    "# crew B, 2024-05-02\r\n"
    "P1,1000.005,1999.998,50.003\r\n"
    "P2,1010.030,2000.004,50.480\r\n"
    "X9,5,6,7\r\n";

constexpr const char* kTolerance = "--tolerance x=0.02,y=0.02,z=0.01,h=0.025";

class CheckCommand : public ProgramFolder {
 protected:
  void SetUp() override {
    ProgramFolder::SetUp();
    write("design.csv", kDesign);
    write("within.csv", kSurveyWithin);
    write("outside.csv", kSurveyOutside);
  }
};

constexpr const char* kHeader =
    "id|design_x|design_y|design_z|survey_x|survey_y|survey_z|shots|dx|dy|dz|dh|status|failing|"
    "design_code|survey_code|survey_file|survey_line|spread_dx|spread_dy|spread_dz|spread_dh";

TEST_F(CheckCommand, AllWithinToleranceExitsWithZero) {
  const ProgramRun result = run(std::string("check design.csv within.csv ") + kTolerance);
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("Pairs: 3, by id\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Outside tolerance: 0 of 3 pairs\n"), std::string::npos);
}

TEST_F(CheckCommand, PairsOutsideAndUnmatchedPointsExitWithOne) {
  const ProgramRun result =
      run(std::string("check design.csv outside.csv --csv out.csv ") + kTolerance);
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(result.out,
            "Design: design.csv, 3 points\n"
            "  Columns: Point → id, Easting → E, Northing → N, Elevation → Z, Code → code\n"
            "Survey: outside.csv, 3 shots\n"
            "Pairs: 2, by id\n"
            "Deviations: survey minus design along the world axes, 3 decimals\n"
            "Never surveyed (1): P3\n"
            "No design point (1): X9\n"
            "\n"
            "    n    mean  std dev    rms     min    max  largest  at    95%  within tolerance\n"
            "dx  2   0.017    0.018  0.022   0.005  0.030    0.030  P2  0.030         1 (50.0%)\n"
            "dy  2   0.001    0.004  0.003  -0.002  0.004    0.004  P2  0.004        2 (100.0%)\n"
            "dz  2  -0.009    0.016  0.014  -0.020  0.003   -0.020  P2  0.020         1 (50.0%)\n"
            "dH  2   0.018    0.018  0.022   0.005  0.030    0.030  P2  0.030         1 (50.0%)\n"
            "\n"
            "Tolerances: x 0.020, y 0.020, z 0.010, h 0.025\n"
            "Outside tolerance: 1 of 2 pairs\n"
            "  P2  x z h\n");
  EXPECT_EQ(csvRows("out.csv"),
            (std::vector<std::string>{
                kHeader,
                "P1|1000.000|2000.000|50.000|1000.005|1999.998|50.003|1|0.005|-0.002|0.003|0.005|"
                "pass||stake||outside.csv|2||||",
                "P2|1010.000|2000.000|50.500|1010.030|2000.004|50.480|1|0.030|0.004|-0.020|0.030|"
                "fail|x z h|stake||outside.csv|3||||",
                "P3|1020.000|2000.000|51.000|||||||||unmatched-design||stake|||||||",
                "X9||||5.000|6.000|7.000|1|||||unmatched-survey||||outside.csv|4||||"}));
}

// P1 shot three times: the CSV gives how far the shots lie apart along each axis and in plan.
TEST_F(CheckCommand, TheSpreadOfRepeatedShotsIsInTheCsv) {
  write("repeated.csv",
        "P1,1000.005,1999.998,50.003\nP2,1010.010,2000.004,50.495\n"
        "P1,1000.009,1999.998,50.000\nP1,1000.001,1999.998,50.006\n");
  const ProgramRun result = run("check design.csv repeated.csv --csv out.csv");
  EXPECT_EQ(result.status, 1) << result.err;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1],
            "P1|1000.000|2000.000|50.000|1000.005|1999.998|50.003|3|0.005|-0.002|0.003|0.005|"
            "pass||stake||repeated.csv|1|0.008|0.000|0.006|0.007");
  EXPECT_EQ(rows[2],
            "P2|1010.000|2000.000|50.500|1010.010|2000.004|50.495|1|0.010|0.004|-0.005|0.011|"
            "pass||stake||repeated.csv|2||||");
}

TEST_F(CheckCommand, AWorkbookIsWrittenBesideTheOtherReports) {
  const ProgramRun result =
      run(std::string("check design.csv outside.csv --csv out.csv --xlsx out.xlsx ") + kTolerance);
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_TRUE(std::filesystem::exists(folder / "out.csv"));
  // Each sheet's name, rows and the start of its last row; the contents are read closely by the
  // report's own tests.
  const std::string sheets = readback::readWithPython(R"(import sys, openpyxl
for sheet in openpyxl.load_workbook(sys.argv[1]).worksheets:
    print(sheet.title, sheet.max_row, [c.value for c in sheet[sheet.max_row]][:4])
)",
                                                      folder / "out.xlsx");
  EXPECT_EQ(sheets,
            "Summary 20 ['dH', 2, 0.018, 0.018]\n"
            "Pairs 3 ['P2', 1010, 2000, 50.5]\n"
            "Unmatched 3 ['X9', 'no design point', 5, 6]\n");
}

// Along the drawing's UCS "SITE" (X along world Y), with the drawing's 4 decimals.
TEST_F(CheckCommand, DeviationsAlongANamedUcsOfADrawing) {
  fixtures::saveSiteDrawing(folder / "site.dxf");
  const ProgramRun result =
      run(std::string("check design.csv outside.csv --drawing site.dxf --ucs SITE "
                      "--csv out.csv ") +
          kTolerance);
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.out.find("along UCS 'SITE' of site.dxf, 4 decimals\n"), std::string::npos)
      << result.out;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[2],
            "P2|1010.0000|2000.0000|50.5000|1010.0300|2000.0040|50.4800|1|0.0040|-0.0300|-0.0200|"
            "0.0303|fail|y z h|stake||outside.csv|3||||");
}

// Survey points paired by proximity, a LandXML design, blank-separated survey shots.
TEST_F(CheckCommand, LandXmlDesignPairedByProximity) {
  write("design.xml",
        "<?xml version=\"1.0\"?>\n<LandXML version=\"1.1\"><CgPoints>\n"
        "<CgPoint name=\"A\">2000 1000 50</CgPoint>\n"
        "<CgPoint name=\"B\">2000 1010 50</CgPoint>\n"
        "</CgPoints></LandXML>\n");
  write("shots.txt", "101  2000.010  1000.004  50.002\n102  2000.300  1010.000  50.000\n");
  const ProgramRun result =
      run("check design.xml shots.txt --match near:0.25 --columns PNEZ --decimals 2 --csv out.csv");
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.out.find("Pairs: 1, by proximity within 0.25\n"), std::string::npos);
  EXPECT_EQ(csvRows("out.csv"),
            (std::vector<std::string>{
                kHeader,
                "A|1000.00|2000.00|50.00|1000.00|2000.01|50.00|1|0.00|0.01|0.00|0.01|pass||||shots."
                "txt|1||||",
                "B|1010.00|2000.00|50.00|||||||||unmatched-design|||||||||",
                "102||||1010.00|2000.30|50.00|1|||||unmatched-survey||||shots.txt|2||||"}));
}

TEST_F(CheckCommand, SkippedLinesAreListed) {
  write("rough.csv", "P1,1000.005,1999.998,50.003\nP2,1010,abc\nP3,1020,2000,51\n");
  const ProgramRun result = run("check design.csv rough.csv --skip-bad-lines");
  EXPECT_EQ(result.status, 1);  // P2 is never surveyed
  EXPECT_NE(result.out.find("Skipped 1 line of rough.csv:\n"
                            "  rough.csv:2: 'abc' in column N is not a number\n"),
            std::string::npos)
      << result.out;
}

struct BadInputCase {
  const char* arguments;
  const char* message;
};

void PrintTo(const BadInputCase& c, std::ostream* os) {
  *os << c.arguments;
}

class CheckCommandBadInput : public CheckCommand,
                             public testing::WithParamInterface<BadInputCase> {};

TEST_P(CheckCommandBadInput, ExitsWithTwoAndWritesNothing) {
  write("bad.csv", "P1,1000.005,1999.998,50.003\nP2,1010.010,abc,50.495\n");
  write("twice.csv", "P1,0,0\n\nP1,1,1\n");
  fixtures::saveSiteDrawing(folder / "site.dxf");
  // A --csv among the arguments comes later and wins.
  const ProgramRun result = run("check --csv out.csv " + std::string(GetParam().arguments));
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err, GetParam().message);
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(std::filesystem::exists(folder / "out.csv"));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CheckCommandBadInput,
    testing::Values(
        BadInputCase{"design.csv bad.csv",
                     "kestova check: bad.csv:2: 'abc' in column N is not a number\n"},
        BadInputCase{"twice.csv within.csv",
                     "kestova check: twice.csv:3: point id 'P1' repeats the one on line 1\n"},
        BadInputCase{"design.csv missing.csv", "kestova check: missing.csv: cannot be opened\n"},
        BadInputCase{"design.csv within.csv --drawing site.dxf --ucs NOPE",
                     "kestova check: site.dxf has no UCS named 'NOPE' (its named UCSs: SITE)\n"},
        BadInputCase{"design.csv within.csv --ucs SITE",
                     "kestova check: --ucs needs --drawing FILE\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --frobnicate",
                     "kestova check: unknown option '--frobnicate'\n"
                     "Try 'kestova check --help'.\n"},
        BadInputCase{"design.csv",
                     "kestova check: give the design file and one or more survey files (1 "
                     "given)\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --decimals=9",
                     "kestova check: --decimals takes a whole number from 0 to 8, not '9'\n"
                     "Try 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --tolerance x=abc",
                     "kestova check: --tolerance: 'x=abc': the tolerance must be a number, 0 or "
                     "more\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --match near:0",
                     "kestova check: --match near:R needs a distance R greater than 0, such as "
                     "near:0.5\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --csv no/such/folder.csv",
                     "kestova check: no/such/folder.csv: cannot be written (No such file or "
                     "directory)\n"},
        BadInputCase{"design.csv within.csv --csv ./design.csv",
                     "kestova check: --csv names the design file './design.csv'; reports never "
                     "replace their inputs, so give another file\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --pdf within.csv",
                     "kestova check: --pdf names the survey file 'within.csv'; reports never "
                     "replace their inputs, so give another file\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --pdf out.csv",
                     "kestova check: --csv and --pdf name the same file 'out.csv'\n"
                     "Try 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --xlsx within.csv",
                     "kestova check: --xlsx names the survey file 'within.csv'; reports never "
                     "replace their inputs, so give another file\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --xlsx out.csv",
                     "kestova check: --csv and --xlsx name the same file 'out.csv'\n"
                     "Try 'kestova check --help'.\n"},
        // Written after the CSV: the CSV written before it goes too.
        BadInputCase{"design.csv within.csv --xlsx no/such/folder.xlsx",
                     "kestova check: no/such/folder.xlsx: cannot be written (No such file or "
                     "directory)\n"},
        BadInputCase{"design.csv within.csv --report-units km",
                     "kestova check: --report-units: 'km' is not a unit: use mm, m or ft\n"
                     "Try 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --exaggeration 0",
                     "kestova check: --exaggeration takes a number greater than 0, not '0'\n"
                     "Try 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --project",
                     "kestova check: --project needs a value\nTry 'kestova check --help'.\n"},
        BadInputCase{"design.csv within.csv --survey-columns PQ",
                     "kestova check: --survey-columns: 'Q' is not a column: use P, E (or X), N "
                     "(or Y), Z and D\nTry 'kestova check --help'.\n"}));

TEST_F(CheckCommand, ASurveyInFeetIsNamedAndConvertedWhenItsUnitIsGiven) {
  write("feet.csv",
        "P1,3280.8563,6561.6732,164.0518\nP2,3313.6483,6561.6864,165.6658\n"
        "P3,3346.4403,6561.6798,167.3294\n");
  const ProgramRun unwarned = run("check design.csv feet.csv");
  EXPECT_EQ(unwarned.status, 0);  // no tolerance is set: a warning leaves the status as it is
  EXPECT_NE(unwarned.err.find("kestova check: warning: the check fits far better with the survey "
                              "in feet (--survey-units ft)"),
            std::string::npos)
      << unwarned.err;

  EXPECT_NE(unwarned.out.find("Warning: the check fits far better with the survey in feet"),
            std::string::npos)
      << unwarned.out;

  const ProgramRun converted = run("check design.csv feet.csv --survey-units ft");
  EXPECT_EQ(converted.err, "");
  EXPECT_EQ(converted.status, 0) << converted.out;
}

// A rover's export in latitude and longitude against a design in ETRS89 / UTM zone 32.
TEST_F(CheckCommand, AGnssSurveyIsTransformedToTheDesignsGrid) {
  write("grid.csv",
        "Point,E,N,Z\nS1,500000.000,5538630.703,312.500\n"
        "S2,574595.112,5316784.009,298.000\n");
  write("rover.csv",
        "Point ID,Latitude,Longitude,Ellipsoidal Height\n"
        "S1,50.0,9.0,312.5\nS2,48.0,10.0,298.0\n");
  const ProgramRun unnamed = run("check grid.csv rover.csv");
  EXPECT_EQ(unnamed.status, 2);
  EXPECT_EQ(unnamed.err.rfind("kestova check: rover.csv: gives latitude and longitude: name its "
                              "coordinate system with --survey-crs",
                              0),
            0u)
      << unnamed.err;

  const ProgramRun plain =
      run("check grid.csv rover.csv --survey-crs EPSG:4258 --design-crs EPSG:25832 "
          "--tolerance x=0.002,y=0.002,z=0.001 --csv out.csv");
  EXPECT_EQ(plain.err, "");
  EXPECT_EQ(plain.status, 0) << plain.out;

  // Heights above the ellipsoid need a geoid model for normal heights: plan positions only.
  const ProgramRun heights =
      run("check grid.csv rover.csv --survey-crs EPSG:4937 --design-crs EPSG:25832+7837 "
          "--tolerance x=0.002,y=0.002,z=0.001 --csv out.csv");
  EXPECT_NE(heights.err.find("only plan positions are compared"), std::string::npos) << heights.err;
  EXPECT_EQ(heights.status, 0) << heights.out;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 3u);
  // No survey height, so no dz: dx, dy and dH alone.
  EXPECT_EQ(rows[1],
            "S1|500000.000|5538630.703|312.500|500000.000|5538630.703||1|0.000|0.000||"
            "0.000|pass||||rover.csv|2||||");
}

// The design's points are all stakes: leaving them out leaves the survey point without a code.
TEST_F(CheckCommand, CodesChooseWhatIsChecked) {
  const ProgramRun stakes = run("check design.csv outside.csv --codes STAKE --csv out.csv");
  EXPECT_NE(stakes.out.find("Pairs: 2, by id\n"), std::string::npos) << stakes.out;
  EXPECT_EQ(csvRows("out.csv").size(), 4u);  // the header, two pairs, P3 never surveyed
  const ProgramRun others = run("check design.csv outside.csv --exclude-codes stake --csv out.csv");
  EXPECT_NE(others.out.find("Pairs: 0, by id\n"), std::string::npos) << others.out;
  EXPECT_EQ(csvRows("out.csv"),
            (std::vector<std::string>{
                kHeader, "X9||||5.000|6.000|7.000|1|||||unmatched-survey||||outside.csv|4||||"}));
}

// An id of 40 characters, one of them beyond ASCII, fits the summary's columns cut and stays
// whole in the CSV.
TEST_F(CheckCommand, LongIdsAreCutInTheSummaryAndWholeInTheCsv) {
  const std::string id = "Böschungskante-Nord-Abschnitt-7-Punkt-01";
  write("long_design.csv", id + ",1000,2000,50\n");
  write("long_survey.csv", id + ",1000.05,2000,50\n");
  const ProgramRun result =
      run("check long_design.csv long_survey.csv --tolerance x=0.02 --csv out.csv");
  EXPECT_NE(result.out.find("  Böschungskante-Nord-Ab\u2026  x\n"), std::string::npos)
      << result.out;
  EXPECT_EQ(csvRows("out.csv")[1].substr(0, id.size() + 1), id + "|");
}

// A design drawing in feet ($INSUNITS 2): a survey in feet is not converted, one in metres is.
TEST_F(CheckCommand, TheDesignDrawingsUnitsMeetTheSurveyUnits) {
  write("feet.dxf",
        "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$INSUNITS\n70\n2\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
  write("design_ft.csv", "P1,1000,2000,50\n");
  write("survey_ft.csv", "P1,1000.01,2000,50\n");
  write("survey_m.csv", "P1,304.803048,609.6,15.24\n");
  const ProgramRun feet =
      run("check design_ft.csv survey_ft.csv --drawing feet.dxf --survey-units ft");
  EXPECT_NE(feet.out.find("\ndx  1  0.0100 "), std::string::npos) << feet.out;
  const ProgramRun metres =
      run("check design_ft.csv survey_m.csv --drawing feet.dxf --survey-units m");
  EXPECT_NE(metres.out.find("\ndx  1  0.0100 "), std::string::npos) << metres.out;
  EXPECT_EQ(metres.err, "");
}

TEST_F(CheckCommand, InputsAreNeverReplacedByReports) {
  const std::string design = read(folder / "design.csv");
  const ProgramRun result = run("check design.csv within.csv --csv design.csv");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(read(folder / "design.csv"), design);
}

TEST_F(CheckCommand, AReportThatCannotBeWrittenLeavesNoneBehind) {
  write("report.pdf", "last week's report");
  const ProgramRun result =
      run("check design.csv within.csv --pdf report.pdf --csv no/such/folder.csv");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(read(folder / "report.pdf"), "last week's report");
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    EXPECT_EQ(entry.path().filename().string().find(".kestova-new"), std::string::npos)
        << entry.path();
  }
}

TEST_F(CheckCommand, HelpDescribesTheCommand) {
  const ProgramRun help = run("check --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: kestova check DESIGN SURVEY [SURVEY...] [options]\n", 0), 0u);
  for (const char* option :
       {"--match id|near:R", "--columns ORDER", "--decimal-comma", "--ignore-case",
        "--survey-prefix P", "--survey-suffix S", "--repeats average|last", "--skip-bad-lines",
        "--tolerance x=,y=,z=,h=", "--drawing FILE", "--ucs NAME", "--csv OUT.csv", "--decimals N",
        "Exit status: 0"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
  EXPECT_NE(run("--help").out.find("kestova check DESIGN SURVEY"), std::string::npos);
}

}  // namespace
}  // namespace check
