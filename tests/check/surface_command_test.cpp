// `kestova check --against surface` as a script meets it: the built program run on a LandXML
// surface or design points, its exit status and summary, and its CSV read back with Python.
#include <gtest/gtest.h>

#include <cstdlib>

#include "program_folder.h"

namespace check {
namespace {

// Two faces over 10 by 10 m: ABC rises 0.2 per metre in x and in y, ACD 0.4 in x; and a flat
// surface named Existing.
constexpr const char* kSurfaces = R"(<?xml version="1.0"?>
<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2">
 <Surfaces>
  <Surface name="Existing"><Definition surfType="TIN">
   <Pnts><P id="1">0 0 9</P><P id="2">0 10 9</P><P id="3">10 10 9</P></Pnts>
   <Faces><F>1 2 3</F></Faces>
  </Definition></Surface>
  <Surface name="Formation"><Definition surfType="TIN">
   <Pnts><P id="1">0 0 10</P><P id="2">0 10 12</P><P id="3">10 10 14</P><P id="4">10 0 10</P></Pnts>
   <Faces><F>1 2 3</F><F>1 3 4</F></Faces>
  </Definition></Surface>
 </Surfaces>
</LandXML>
)";

// B on a vertex, E on the shared edge, H on the hull, O just outside; dz at the bounds of
// -0.030:0.010 and just beyond them.
constexpr const char* kShots =
    "B,10,0,12.010,kerb\n"
    "E,5,5,11.970\n"
    "H,5,0,11.011\n"
    "I,2,6,10.769\n"
    "O,5,-0.01,11\n";

// Drawings as a designer's program writes them, by ezdxf: the square's faces as a 3DFACE and a
// polyface mesh on FORMATION with a face far above on OLD; a kite of POINTs with and without
// its ridge as a 3D polyline on RIDGE.
constexpr const char* kDrawings = R"(import sys, ezdxf
doc = ezdxf.new("R2010")
msp = doc.modelspace()
msp.add_3dface([(0, 0, 10), (10, 0, 12), (10, 10, 14)], dxfattribs={"layer": "FORMATION"})
mesh = msp.add_polyface(dxfattribs={"layer": "FORMATION"})
mesh.append_face([(0, 0, 10), (10, 10, 14), (0, 10, 10)])
msp.add_3dface([(0, 0, 50), (10, 0, 50), (10, 10, 50)], dxfattribs={"layer": "OLD"})
doc.saveas(sys.argv[1] + "/faces.dxf")
doc = ezdxf.new("R2010")
msp = doc.modelspace()
for p in [(0, 0, 1), (20, 0, 1), (10, -1, 0), (10, 1, 0)]:
    msp.add_point(p)
doc.saveas(sys.argv[1] + "/points.dxf")
msp.add_polyline3d([(0, 0, 1), (20, 0, 1)], dxfattribs={"layer": "RIDGE"})
doc.saveas(sys.argv[1] + "/ridge.dxf")
)";

class SurfaceCommand : public ProgramFolder {
 protected:
  SurfaceCommand() : ProgramFolder("check ") {}
  void SetUp() override {
    ProgramFolder::SetUp();
    write("design.xml", kSurfaces);
    write("shots.csv", kShots);
  }
};

TEST_F(SurfaceCommand, ShotsOnVerticesEdgesAndTheHullAreCheckedAgainstUnequalBounds) {
  const ProgramRun result =
      run("design.xml shots.csv --against surface --surface Formation "
          "--tolerance z=-0.03:0.01 --csv out.csv");
  EXPECT_EQ(result.status, 1) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(csvRows("out.csv"),
            (std::vector<std::string>{
                "id|survey_x|survey_y|survey_z|design_z|dz|dn|status|failing|survey_code|"
                "survey_file|survey_line",
                "B|10.000|0.000|12.010|12.000|0.010|0.010|pass||kerb|shots.csv|1",
                "E|5.000|5.000|11.970|12.000|-0.030|-0.029|pass|||shots.csv|2",
                "H|5.000|0.000|11.011|11.000|0.011|0.011|fail|z||shots.csv|3",
                "I|2.000|6.000|10.769|10.800|-0.031|-0.029|fail|z||shots.csv|4",
                "O|5.000|-0.010|11.000||||outside|||shots.csv|5",
            }));
  EXPECT_NE(result.out.find("On the surface: 4, outside it: 1\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("dz  4"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("2 (50.0%)"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("Tolerances: z -0.030 to 0.010\n"), std::string::npos);
  EXPECT_NE(result.out.find("Outside the surface (1): O\n"), std::string::npos);
}

TEST_F(SurfaceCommand, AShotOnTheEdgeSurveyedInFeetStaysOnTheSurface) {
  // 32.8084 ft is 10.0000003 m: a rounding beyond the edge x = 10, not a shot outside it.
  write("feet.csv", "R,32.8084,16.4042,42.6509\n");
  const ProgramRun result = run(
      "design.xml feet.csv --against surface --surface Formation --survey-units ft --csv out.csv");
  EXPECT_EQ(result.status, 0) << result.err;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].substr(0, rows[1].find("|pass|") + 6),
            "R|10.000|5.000|13.000|13.000|0.000|0.000|pass|");
}

TEST_F(SurfaceCommand, AShotOfACodeWithTolerancesOfItsOwnIsTestedAgainstThem) {
  // B (kerb, dz 0.010) passes only by its code's upper bound; the others meet the general one.
  const ProgramRun result =
      run("design.xml shots.csv --against surface --surface Formation "
          "--tolerance z=0.005 --tolerance KERB:z=-0.03:0.01 --csv out.csv");
  EXPECT_EQ(result.status, 1) << result.err;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 6u);
  for (const auto& [row, status] : {std::pair{1, "|pass|"}, std::pair{2, "|fail|"}}) {
    EXPECT_NE(rows[row].find(status), std::string::npos) << rows[row];
  }
  EXPECT_NE(result.out.find("Tolerances: z -0.005 to 0.005\n"
                            "Tolerances for code KERB: z -0.030 to 0.010\n"),
            std::string::npos)
      << result.out;
}

TEST_F(SurfaceCommand, SeveralSurveyFilesAreCheckedAsOneEachShotNamingItsFileAndLine) {
  // Day two's file opens with a note, so that its shots stand on lines 2 and 3.
  write("day2.csv", "# day two\nD1,2,6,10.769\nD2,5,-0.01,11\n");
  const ProgramRun result =
      run("design.xml shots.csv day2.csv --against surface --surface Formation "
          "--tolerance z=-0.03:0.01 --csv out.csv");
  EXPECT_EQ(result.status, 1) << result.err;
  const std::vector<std::string> rows = csvRows("out.csv");
  ASSERT_EQ(rows.size(), 8u);
  struct Row {
    std::size_t row;
    const char* status;
    const char* file;
    const char* line;
  };
  for (const Row& r : {Row{1, "pass", "shots.csv", "1"}, Row{5, "outside", "shots.csv", "5"},
                       Row{6, "fail", "day2.csv", "2"}, Row{7, "outside", "day2.csv", "3"}}) {
    EXPECT_NE(rows[r.row].find(std::string("|") + r.status + "|"), std::string::npos)
        << rows[r.row];
    EXPECT_EQ(rows[r.row].substr(rows[r.row].rfind('|', rows[r.row].rfind('|') - 1) + 1),
              std::string(r.file) + "|" + r.line);
  }
  EXPECT_NE(result.out.find("Survey: 2 files, 7 shots\n  shots.csv, 5 shots\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("  day2.csv, 2 shots\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("On the surface: 5, outside it: 2\n"), std::string::npos);

  // Volumes through shots of both files: a shot without a level is named by its own file.
  write("day3.csv", "X1,1,1,10.1\nX2,9,1\n");
  const ProgramRun levelless =
      run("design.xml shots.csv day3.csv --against surface --surface Formation --volumes");
  EXPECT_EQ(levelless.status, 2) << levelless.out;
  EXPECT_NE(levelless.err.find("day3.csv:2: a point without a level"), std::string::npos)
      << levelless.err;
}

TEST_F(SurfaceCommand, ASymmetricToleranceAndAllShotsWithinExitWithZero) {
  write("within.csv", "B,10,0,12.010\nE,5,5,11.980\n");
  const ProgramRun result =
      run("design.xml within.csv --against surface --surface Formation --tolerance z=0.02");
  EXPECT_EQ(result.status, 0) << result.err << result.out;
  EXPECT_NE(result.out.find("Tolerances: z -0.020 to 0.020\n"), std::string::npos) << result.out;
}

TEST_F(SurfaceCommand, DesignPointsAreTriangulatedAndVolumesComputed) {
  // A flat design at 100 over 20 by 10; the survey 0.5 above it over 10 by 10: 50 of fill.
  write("points.csv", "P1,0,0,100\nP2,20,0,100\nP3,20,10,100\nP4,0,10,100\nP5,10,5,100\n");
  write("level.csv", "S1,5,0,100.5\nS2,15,0,100.5\nS3,15,10,100.5\nS4,5,10,100.5\n");
  const ProgramRun result =
      run("points.csv level.csv --against surface --volumes --grid 10 --decimals 2");
  EXPECT_EQ(result.status, 0) << result.err << result.out;
  EXPECT_NE(result.out.find("  all  0.00  50.00  50.00  100.00\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("Squares of 10.00 (2)"), std::string::npos) << result.out;
}

TEST_F(SurfaceCommand, BadInputIsNamedAndNothingIsWritten) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  const Case cases[] = {
      {"design.xml shots.csv --against surface --csv out.csv",
       "kestova check: design.xml: holds 2 TIN surfaces ('Existing', 'Formation'): choose one "
       "with --surface NAME\n"},
      {"design.xml shots.csv --surface Formation",
       "kestova check: --surface needs --against surface\nTry 'kestova check --help'.\n"},
      {"design.xml shots.csv --against surface --tolerance h=0.02",
       "kestova check: --tolerance: 'h=0.02' is not a tolerance: write z= or n= and a value, "
       "such as z=0.02\nTry 'kestova check --help'.\n"},
      {"design.xml shots.csv --against surface --surface Formation --design-crs EPSG:25832 "
       "--survey-crs EPSG:4979",
       "kestova check: --design-crs and --survey-crs transform a survey checked against points; "
       "give the survey in the surface's coordinates\nTry 'kestova check --help'.\n"},
      // Read at once, a missing design is named before missing shots, as the first mistake.
      {"nodesign.xml noshots.csv --against surface",
       "kestova check: nodesign.xml: cannot be opened\n"},
      {"design.xml noshots.csv --against surface --surface Formation",
       "kestova check: noshots.csv: cannot be opened\n"},
      {"design.xml shots.csv --against slope",
       "kestova check: --against takes points, surface or alignment, not 'slope'\nTry 'kestova "
       "check "
       "--help'.\n"},
  };
  for (const Case& c : cases) {
    const ProgramRun result = run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_EQ(result.err, c.message) << c.arguments;
    EXPECT_FALSE(std::filesystem::exists(folder / "out.csv"));
  }
}

// Each entity as "TYPE LAYER text-or-rotation up|down|at" from the shot it belongs to.
constexpr const char* kDrawnReader = R"(import sys, ezdxf
shots = {"B": (10, 0), "E": (5, 5), "H": (5, 0), "I": (2, 6), "O": (5, -0.01)}
for e in ezdxf.readfile(sys.argv[1]).modelspace():
    at = e.dxf.center if e.dxftype() == "CIRCLE" else e.dxf.insert
    name = min(shots, key=lambda k: abs(shots[k][0] - at[0]) + 0.01 * abs(shots[k][1] - at[1]))
    side = "up" if at[1] > shots[name][1] + 0.1 else "down" if at[1] < shots[name][1] - 0.1 else "at"
    what = {"TEXT": lambda: e.dxf.text, "INSERT": lambda: "%.0f" % e.dxf.rotation}.get(
        e.dxftype(), lambda: "-")()
    print(name, e.dxftype(), e.dxf.layer, what, side)
)";

TEST_F(SurfaceCommand, TheDrawingShowsEachShotsSignedDzWithAFillOrCutArrow) {
  const ProgramRun result =
      run("design.xml shots.csv --against surface --surface Formation "
          "--tolerance z=-0.03:0.01 --dxf out.dxf --text-height 0.5");
  ASSERT_EQ(result.status, 1) << result.err;
  write("drawn.py", kDrawnReader);
  const std::string command = "/usr/bin/python3 '" + (folder / "drawn.py").string() + "' '" +
                              (folder / "out.dxf").string() + "' > '" +
                              (folder / "drawn.txt").string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(read(folder / "drawn.txt"),
            "B INSERT DEV-PASS 90 at\n"
            "B TEXT DEV-PASS +0.010 up\n"
            "E INSERT DEV-PASS -90 at\n"
            "E TEXT DEV-PASS -0.030 down\n"
            "H INSERT DEV-FAIL 90 at\n"
            "H TEXT DEV-FAIL +0.011 up\n"
            "I INSERT DEV-FAIL -90 at\n"
            "I TEXT DEV-FAIL -0.031 down\n"
            "O CIRCLE DEV-OUTSIDE - at\n"
            "O TEXT DEV-OUTSIDE O down\n");
}

TEST_F(SurfaceCommand, ADrawingsFacesOrItsPointsAndBreaklinesAreTheSurface) {
  write("drawings.py", kDrawings);
  ASSERT_EQ(std::system(("/usr/bin/python3 '" + (folder / "drawings.py").string() + "' '" +
                         folder.string() + "'")
                            .c_str()),
            0);
  write("square.csv", "A,8,2,12\nD,2,6,10.8\n");
  write("middle.csv", "M,10,0,1\n");
  struct Case {
    std::string arguments;
    std::vector<std::string> designLevels;
  };
  const Case cases[] = {
      {"faces.dxf square.csv --layer FORMATION", {"12.000", "10.800"}},
      {"faces.dxf square.csv", {"50.000", "10.800"}},  // the upper of overlapping faces
      {"points.dxf middle.csv", {"0.000"}},
      {"ridge.dxf middle.csv --breaklines-layer RIDGE", {"1.000"}},
  };
  for (const Case& c : cases) {
    const ProgramRun result = run(c.arguments + " --against surface --csv out.csv");
    ASSERT_NE(result.status, 2) << c.arguments << result.err;
    const std::vector<std::string> rows = csvRows("out.csv");
    ASSERT_EQ(rows.size(), c.designLevels.size() + 1) << c.arguments;
    for (std::size_t i = 0; i < c.designLevels.size(); ++i) {
      EXPECT_NE(rows[i + 1].find("|" + c.designLevels[i] + "|"), std::string::npos)
          << c.arguments << ": " << rows[i + 1];
    }
  }
  const ProgramRun overlapping = run("faces.dxf square.csv --against surface");
  EXPECT_NE(overlapping.err.find("faces.dxf: face 1 and face 3 overlap"), std::string::npos)
      << overlapping.err;
  const ProgramRun noLayer = run("faces.dxf square.csv --against surface --layer ROAD");
  EXPECT_EQ(noLayer.err,
            "kestova check: faces.dxf: holds no 3DFACEs, polyface meshes or POINTs on layer ROAD "
            "to make a surface of\n");
}

}  // namespace
}  // namespace check
