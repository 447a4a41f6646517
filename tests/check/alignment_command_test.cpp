// `kestova check --against alignment` as a script meets it: the built program run on a LandXML
// alignment or a drawing made with ezdxf, its summary and exit status, and the CSV it writes
// read back with Python's csv module.
#include <gtest/gtest.h>

#include "check/landxml_designs.h"
#include "program_folder.h"

namespace check {
namespace {

constexpr const char* kOptions =
    "--against alignment --design-offset KERB-L=-3.5,KERB-R=3.5 "
    "--tolerance offset=-0.015:0.015,z=0.01 --csv out.csv";

// The same line as a LWPOLYLINE with a bulge on layer AXIS, twice on layer TWICE, and a 3D
// POLYLINE on LEVELS: east 50 m, then north 50 m, rising from 10 to 10.5 and 11.
constexpr const char* kDrawingScript = R"(import ezdxf, math, sys
doc = ezdxf.new("R2010")
msp = doc.modelspace()
for layer in ("AXIS", "TWICE", "TWICE", "EMPTY"):
    if layer == "EMPTY":
        doc.layers.add(layer)
        continue
    msp.add_lwpolyline([(0, 0, 0, 0, 0), (50, 0, 0, 0, math.tan(math.pi / 8)), (70, 20, 0, 0, 0)],
                       format="xyseb", dxfattribs={"layer": layer})
msp.add_polyline3d([(0, 0, 10), (50, 0, 10.5), (50, 50, 11)], dxfattribs={"layer": "LEVELS"})
doc.saveas(sys.argv[1])
)";

// Each shot's label, layer and the way its frame turns, and the arrows across the line.
constexpr const char* kDrawingReader = R"(import ezdxf, sys
doc = ezdxf.readfile(sys.argv[1])
for e in doc.modelspace():
    if e.dxftype() == "TEXT" and "  " in e.dxf.text:
        print("%s|%s|%.3f" % (e.dxf.layer, e.dxf.text, e.dxf.rotation % 360))
    if e.dxftype() == "INSERT" and e.dxf.name.startswith("ArrowX"):
        print("%s|arrow|%.3f" % (e.dxf.layer, e.dxf.rotation % 360))
)";

class AlignmentCheck : public ProgramFolder {
 protected:
  AlignmentCheck() : ProgramFolder("check ") {}
  void SetUp() override {
    ProgramFolder::SetUp();
    write("road.xml", designs::kKerbLine);
    write("shots.csv", designs::kKerbShots);
  }
};

constexpr const char* kHeader =
    "id|survey_x|survey_y|survey_z|chainage|offset|design_offset|doffset|design_z|dz|status|"
    "failing|survey_code|survey_file|survey_line";

TEST_F(AlignmentCheck, ShotsAlongALandXmlAlignmentAreListedByChainage) {
  const ProgramRun result = run(std::string("road.xml shots.csv ") + kOptions);
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(csvRows("out.csv"),
            (std::vector<std::string>{
                kHeader,
                "x1|-5.000|0.000|10.000|95.000|0.000|0.000||||outside||CL|shots.csv|4",
                "k2|10.000|-3.510|10.080|110.000|3.510|3.500|0.010|10.100|-0.020|fail|z|KERB-R|"
                "shots.csv|2",
                "k1|20.000|3.480|10.220|120.000|-3.480|-3.500|0.020|10.200|0.020|fail|offset z|"
                "KERB-L|shots.csv|1",
                "a1|66.620|3.380|10.660|165.708|3.504|3.500|0.004|10.657|0.003|pass||KERB-R|"
                "shots.csv|3",
            }));
  for (const char* line :
       {"Design: road.xml, alignment 'Kerb line', chainage 100.000 to 181.416, 2 elements, with a "
        "profile\n",
        "Along the alignment: 3 shots, outside it: 1\n",
        "Tolerances: offset -0.015 to 0.015, z -0.010 to 0.010\n",
        "Outside tolerance: 2 of 3 shots\n", "  k2 at 110.000         z\n",
        "  k1 at 120.000  offset z\n", "Outside the alignment (1): x1 at 95.000\n"}) {
    EXPECT_NE(result.out.find(line), std::string::npos) << line << "\n" << result.out;
  }
}

TEST_F(AlignmentCheck, AShotOfACodeWithTolerancesOfItsOwnIsTestedAgainstThem) {
  // k2's dz of -0.020 is within KERB-R's lower bound; its doffset keeps the general limit.
  const ProgramRun result =
      run(std::string("road.xml shots.csv ") + kOptions + " --tolerance KERB-R:z=-0.03:0.01");
  EXPECT_EQ(result.status, 1) << result.err;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_NE(rows[2].find("k2|"), std::string::npos) << rows[2];
  EXPECT_NE(rows[2].find("|pass||KERB-R|"), std::string::npos) << rows[2];
  EXPECT_NE(rows[3].find("|fail|offset z|KERB-L|"), std::string::npos) << rows[3];
  EXPECT_NE(result.out.find("Tolerances for code KERB-R: offset -0.015 to 0.015, z -0.030 to "
                            "0.010\n"),
            std::string::npos)
      << result.out;
}

TEST_F(AlignmentCheck, DrawsEachShotTurnedToTheAlignmentAtItsChainage) {
  const ProgramRun result = run(std::string("road.xml shots.csv --dxf shots.dxf ") + kOptions);
  EXPECT_EQ(result.status, 1) << result.err;
  // Across the first line (heading east) the frame's X, to the right, points south: 270°; on
  // the curve at 45° it points south-east. Positive doffsets point right, and labels turn alike.
  EXPECT_EQ(python(kDrawingReader, "shots.dxf"),
            (std::vector<std::string>{"DEV-OUTSIDE|x1  95.000|270.000", "DEV-FAIL|arrow|270.000",
                                      "DEV-FAIL|k2  110.000|270.000", "DEV-FAIL|arrow|270.000",
                                      "DEV-FAIL|k1  120.000|270.000", "DEV-PASS|arrow|315.000",
                                      "DEV-PASS|a1  165.708|315.000"}));
}

TEST_F(AlignmentCheck, APolylineWithABulgeGivesTheSameChainagesAndNoLevels) {
  python(kDrawingScript, "design.dxf");
  const ProgramRun result = run(std::string("design.dxf shots.csv --layer AXIS "
                                            "--start-chainage 100 ") +
                                kOptions);
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_NE(result.err.find("design.dxf gives no design levels along the alignment"),
            std::string::npos)
      << result.err;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[4], "a1|66.620|3.380|10.660|165.708|3.504|3.500|0.004|||pass||KERB-R|shots.csv|3");
  EXPECT_NE(result.out.find("Design: design.dxf, the polyline on layer 'AXIS', chainage 100.000 "
                            "to 181.416, 2 elements, without a profile\n"),
            std::string::npos)
      << result.out;
}

TEST_F(AlignmentCheck, A3dPolylineGivesTheLevels) {
  python(kDrawingScript, "design.dxf");
  write("levels.csv", "s1,50.004,10,10.62\n");
  const ProgramRun result =
      run("design.dxf levels.csv --against alignment --layer LEVELS --csv out.csv");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(csvRows("out.csv").at(1),
            "s1|50.004|10.000|10.620|60.000|0.004|0.000|0.004|10.600|0.020|pass|||levels.csv|1");
}

TEST_F(AlignmentCheck, SeveralSurveyFilesWithAndWithoutIdsAreCheckedAsOne) {
  // The second day's file names its columns and has no ids.
  write("more.csv", "Easting,Northing,Elevation,Code\n40,3.49,10.38,KERB-L\n");
  const ProgramRun result = run(std::string("road.xml shots.csv more.csv ") + kOptions);
  EXPECT_EQ(result.status, 1) << result.err;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_TRUE(rows[4].ends_with("|KERB-L|more.csv|2")) << rows[4];
  EXPECT_NE(result.out.find("Survey: 2 files, 5 shots\n  shots.csv, 4 shots\n  more.csv, 1 shot\n"),
            std::string::npos)
      << result.out;
}

TEST_F(AlignmentCheck, RefusesWhatItCannotRunWithAClearMessage) {
  python(kDrawingScript, "design.dxf");
  const struct {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"design.dxf shots.csv --against alignment --layer TWICE",
       "kestova check: design.dxf: layer 'TWICE' holds 2 polylines (handles "},
      {"design.dxf shots.csv --against alignment --layer EMPTY",
       "kestova check: design.dxf: layer 'EMPTY' holds no polyline in model space\n"},
      {"design.dxf shots.csv --against alignment",
       "kestova check: design.dxf: a drawing gives the alignment as a polyline: name its layer "
       "with --layer NAME\n"},
      {"road.xml shots.csv --against alignment --alignment Other",
       "kestova check: road.xml: holds no alignment 'Other', only 'Kerb line'\n"},
      {"road.xml shots.csv --layer AXIS",
       "kestova check: --layer needs --against surface or --against alignment\n"},
      {"road.xml shots.csv --against alignment --tolerance x=0.1", "kestova check: --tolerance: "},
      {"road.xml shots.csv --against alignment --max-offset -1",
       "kestova check: --max-offset takes a distance greater than 0, not '-1'\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun result = run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_EQ(result.err.rfind(c.message, 0), 0u) << c.arguments << "\n" << result.err;
  }
}

}  // namespace
}  // namespace check
