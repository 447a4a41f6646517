// `kestova check --dxf` as a surveyor meets it: the built program run on point files, and the
// drawing it saves read back with ezdxf, in world coordinates.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "host/geom/frame.h"
#include "site_drawing.h"
#include "support/project_paths.h"
#include "vectors_seen.h"

namespace check::draw {
namespace {

using testing_support::VectorsSeen;

// P1 passes, P2 fails in x and z, P3 is never surveyed, P4 lies exactly on its design point.
constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation\n"
    "P1,1000,2000,50\nP2,1010,2000,50.5\nP3,1020,2000,51\nP4,1030,2000,51\n";
constexpr const char* kSurvey =
    "P1,1000.005,1999.998,50.003\nP2,1010.030,2000.004,50.480\nP4,1030,2000,51\n";
constexpr const char* kCheck =
    "check design.csv survey.csv --tolerance x=0.02,y=0.02,z=0.01 --text-height 0.5 ";
constexpr double kH = 0.5;

class VectorDxf : public testing::Test {
 protected:
  void SetUp() override {
    if (!testing_support::ezdxfInstalled()) GTEST_SKIP() << "needs python3-ezdxf";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    write("design.csv", kDesign);
    write("survey.csv", kSurvey);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  void write(const std::string& name, const std::string& content) {
    std::ofstream(folder / name, std::ios::binary) << content;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // The program's exit status, run in the test's folder; its summary in `out`, its messages in
  // `err`.
  int run(const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && '" +
                                ::testing_support::kestovaProgram() + "' " + arguments +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    out = read("stdout.txt");
    err = read("stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::filesystem::path folder =
      std::filesystem::path(testing::TempDir()) / ("vector_dxf_test_" + std::to_string(::getpid()));
  std::string out;
  std::string err;
};

TEST_F(VectorDxf, EachVerdictOnItsLayerInItsColour) {
  ASSERT_EQ(run(std::string(kCheck) + "--dxf out.dxf"), 1) << err;
  const VectorsSeen seen = testing_support::readVectors(folder / "out.dxf");
  EXPECT_EQ(seen.auditErrors, 0);
  EXPECT_EQ(seen.layerColours.at("DEV-PASS"), 3);
  EXPECT_EQ(seen.layerColours.at("DEV-FAIL"), 1);
  EXPECT_EQ(seen.layerColours.at("DEV-MISSING"), 6);
  EXPECT_TRUE(seen.ucsNames.empty()) << "no UCS is added to the drawing";

  struct Count {
    const char* layer;
    const char* kind;
    std::size_t count;
  };
  // A pair: an arrow and a label per axis (two arrows for a zero), the bubble's text and
  // ellipse, the leader and the id. P4's deviations are all zero.
  for (const Count& c : std::vector<Count>{{"DEV-PASS", "INSERT", 2 + 4},
                                           {"DEV-PASS", "TEXT", 4 + 4},
                                           {"DEV-PASS", "ELLIPSE", 2},
                                           {"DEV-PASS", "LINE", 2},
                                           {"DEV-FAIL", "INSERT", 2},
                                           {"DEV-FAIL", "TEXT", 4},
                                           {"DEV-FAIL", "ELLIPSE", 1},
                                           {"DEV-FAIL", "LINE", 1},
                                           {"DEV-MISSING", "CIRCLE", 1},
                                           {"DEV-MISSING", "TEXT", 1},
                                           {"0", "INSERT", 0}}) {
    EXPECT_EQ(seen.on(c.layer, c.kind).size(), c.count) << c.layer << " " << c.kind;
  }
  for (const auto& [id, layer] : std::vector<std::pair<std::string, std::string>>{
           {"P1", "DEV-PASS"}, {"P2", "DEV-FAIL"}, {"P3", "DEV-MISSING"}, {"P4", "DEV-PASS"}}) {
    EXPECT_EQ(seen.text(id).layer, layer) << id;
  }
  const VectorsSeen::Entity& circle = *seen.on("DEV-MISSING", "CIRCLE").at(0);
  EXPECT_TRUE(circle.point(0).isApprox(Eigen::Vector3d(1020, 2000, 51)));
  EXPECT_DOUBLE_EQ(circle.values.at(3), kH);
}

struct UcsCase {
  const char* name;
  const char* options;
  host::geom::Frame (*frame)();
};

class VectorDxfInUcs : public VectorDxf, public testing::WithParamInterface<UcsCase> {};

// P2 drawn in a turned UCS: its parts where the Insert command's layout puts them, measured
// along that UCS, seen in world coordinates.
TEST_P(VectorDxfInUcs, PartsAtTheirPlacesInWorldCoordinates) {
  fixtures::saveSiteDrawing(folder / "site.dxf");
  ASSERT_EQ(run(std::string(kCheck) + "--drawing site.dxf --dxf out.dxf " + GetParam().options), 1)
      << err;
  const VectorsSeen seen = testing_support::readVectors(folder / "out.dxf");
  const host::geom::Frame frame = GetParam().frame();
  const Eigen::Vector3d design(1010, 2000, 50.5);
  const Eigen::Vector3d survey(1010.030, 2000.004, 50.480);
  const Eigen::Vector3d local = frame.pointToLocal(design);
  const Eigen::Vector3d deviation = frame.pointToLocal(survey) - local;
  const auto world = [&](double x, double y) {
    return frame.pointToWorld(local + Eigen::Vector3d(x, y, 0));
  };
  const double diagonal = 2 * kH / std::sqrt(2.0);
  const Eigen::Vector3d insert = world(diagonal, diagonal);
  const double sx = deviation.x() < 0 ? -1 : 1;
  const double sy = deviation.y() < 0 ? -1 : 1;

  const VectorsSeen::Entity* leader = seen.lineTo(design);
  ASSERT_NE(leader, nullptr);
  EXPECT_EQ(leader->layer, "DEV-FAIL");
  EXPECT_TRUE(leader->point(0).isApprox(insert, 1e-12));

  std::vector<Eigen::Vector3d> tips;
  for (const VectorsSeen::Entity* arrow : seen.on("DEV-FAIL", "INSERT")) {
    EXPECT_TRUE(arrow->point(0).isApprox(insert, 1e-12));
    tips.push_back(arrow->point(1));
  }
  ASSERT_EQ(tips.size(), 2u);
  EXPECT_TRUE(tips[0].isApprox(world(diagonal + sx * 3 * kH, diagonal), 1e-9));
  EXPECT_TRUE(tips[1].isApprox(world(diagonal, diagonal + sy * 3 * kH), 1e-9));

  // The labels with the minus sign the arrow shows left off, the drawing's 4 decimals, along
  // the UCS X axis.
  const auto label = [&](double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", std::abs(value));
    return seen.text(text);
  };
  const VectorsSeen::Entity& xLabel = label(deviation.x());
  const VectorsSeen::Entity& yLabel = label(deviation.y());
  const double xWidth = 6 * kH;  // "0.0300" and the like: 6 characters of a text height each
  EXPECT_TRUE(xLabel.point(0).isApprox(
      world(diagonal + (sx > 0 ? 3.5 * kH : -xWidth - 3.5 * kH), diagonal - 0.5 * kH), 1e-9));
  EXPECT_TRUE(yLabel.point(0).isApprox(
      world(diagonal - 0.5 * kH, diagonal + (sy > 0 ? 3.5 * kH : -4.5 * kH)), 1e-9));
  EXPECT_TRUE(xLabel.point(1).isApprox(frame.xAxis(), 1e-9));
  EXPECT_EQ(seen.text("P2").layer, "DEV-FAIL");
}

INSTANTIATE_TEST_SUITE_P(TurnedUcs, VectorDxfInUcs,
                         testing::Values(UcsCase{"NamedSite", "--ucs SITE", fixtures::namedSiteUcs},
                                         UcsCase{"CurrentTilted", "", fixtures::currentSiteUcs}),
                         [](const testing::TestParamInfo<UcsCase>& info) {
                           return std::string(info.param.name);
                         });

// A pair whose labels would overlap those drawn before moves out along the diagonal, two text
// heights a step, five steps at most; a pair far off stays where it starts.
TEST_F(VectorDxf, OverlappingPairsMoveOutAlongTheDiagonal) {
  std::string design = "Point,Easting,Northing,Elevation\nQ1,0,0,0\nQ2,0.5,0,0\nQ3,100,0,0\n";
  for (int i = 1; i <= 8; ++i) design += "C" + std::to_string(i) + ",200,0,0\n";
  write("design.csv", design);
  write("survey.csv", design);
  ASSERT_EQ(run("check design.csv survey.csv --text-height 0.5 --dxf out.dxf"), 0) << err;
  const VectorsSeen seen = testing_support::readVectors(folder / "out.dxf");
  const auto leaderLength = [&](const Eigen::Vector3d& designPoint, std::size_t nth) {
    std::vector<double> lengths;
    for (const VectorsSeen::Entity* line : seen.on("DEV-PASS", "LINE")) {
      if (!line->point(1).isApprox(designPoint, 1e-12)) continue;
      const Eigen::Vector3d run = line->point(0) - designPoint;
      EXPECT_NEAR(run.x(), run.y(), 1e-9) << "along the diagonal";
      lengths.push_back(run.norm() / kH);
    }
    return lengths.at(nth);
  };
  EXPECT_NEAR(leaderLength({0, 0, 0}, 0), 2, 1e-9);
  const double q2 = leaderLength({0.5, 0, 0}, 0);
  EXPECT_GT(q2, 2 + 1e-9);
  EXPECT_NEAR(std::remainder(q2, 2.0), 0, 1e-9) << "whole steps of two text heights";
  EXPECT_NEAR(leaderLength({100, 0, 0}, 0), 2, 1e-9);
  EXPECT_NEAR(leaderLength({200, 0, 0}, 0), 2, 1e-9);
  EXPECT_NEAR(leaderLength({200, 0, 0}, 7), 12, 1e-9) << "five steps out at most";
}

// Drawings of other programs, written by hand, that the drawing saved cannot take whole: the
// user hears of it on the terminal, with no window to ask in, and the drawing read stays.
struct Told {
  const char* name;
  const char* drawing;
  const char* warnings;  // on standard error
  const char* summary;   // the summary's last line
};

void PrintTo(const Told& c, std::ostream* os) {
  *os << c.name;
}

class VectorDxfTold : public VectorDxf, public testing::WithParamInterface<Told> {};

TEST_P(VectorDxfTold, WhatTheDrawingCannotTakeIsNamedAndTheDrawingReadStays) {
  const Told& c = GetParam();
  write("site.dxf", c.drawing);
  ASSERT_EQ(run(std::string(kCheck) + "--drawing site.dxf --dxf out.dxf"), 1) << err;
  EXPECT_EQ(err, c.warnings);
  EXPECT_EQ(out.substr(out.rfind('\n', out.size() - 2) + 1), c.summary);
  EXPECT_EQ(read("site.dxf"), c.drawing);
  const VectorsSeen seen = testing_support::readVectors(folder / "out.dxf");
  EXPECT_EQ(seen.auditErrors, 0);
  EXPECT_EQ(seen.on("DEV-FAIL", "INSERT").size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, VectorDxfTold,
    testing::Values(
        Told{
            "WipeoutWithoutHeader",
            "0\nSECTION\n2\nENTITIES\n0\nWIPEOUT\n8\n0\n10\n0\n20\n0\n30\n0\n11\n1\n21\n0\n"
            "31\n0\n12\n0\n22\n1\n32\n0\n13\n1\n23\n1\n0\nENDSEC\n0\nEOF\n",
            "kestova check: warning: a drawing file cannot hold everything in site.dxf: out.dxf is "
            "saved without 1 WIPEOUT\n",
            "Left out of out.dxf: 1 WIPEOUT\n"},
        Told{"EndsEarly", "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n10\n0\n20\n0\n11\n1\n21\n1\n",
             "kestova check: warning: site.dxf: the file ends early after line 16: what follows "
             "is missing\n",
             "  P2  x z\n"}),
    [](const testing::TestParamInfo<Told>& info) { return std::string(info.param.name); });

// The drawings of a few checks as they were drawn when the check still went through the
// dialog's Insert command, listed by ezdxf (recorded_vectors.txt): every layer, entity, label
// and placing value, bit for bit. P6 rounds to zero at 3 decimals and not at 4; P5 fails in
// every component, below and left of its design point; P7 sits beside P6 and moves out.
constexpr const char* kRecordedDesign =
    "Point,Easting,Northing,Elevation\n"
    "P1,1000,2000,50\nP2,1010,2000,50.5\nP3,1020,2000,51\nP4,1030,2000,51\n"
    "P5,1040,2000,52\nP6,1050,2000,52\nP7,1050.5,2000.5,52\n";
constexpr const char* kRecordedSurvey =
    "P1,1000.005,1999.998,50.003\nP2,1010.030,2000.004,50.480\nP4,1030,2000,51\n"
    "P5,1039.975,1999.96,51.9\nP6,1049.9996,2000.0004,51.9996\nP7,1050.52,2000.49,52.01\n";
// A drawing with the UCS TURNED: origin (1000, 2000, 10), its X axis along world Y.
constexpr const char* kTurnedSite =
    "import ezdxf\n"
    "doc = ezdxf.new('R2010')\n"
    "ucs = doc.ucs.new('TURNED')\n"
    "ucs.dxf.origin = (1000, 2000, 10)\n"
    "ucs.dxf.xaxis = (0, 1, 0)\n"
    "ucs.dxf.yaxis = (-1, 0, 0)\n"
    "doc.saveas('site.dxf')\n";

std::string listEntities(const std::filesystem::path& drawing) {
  const std::string command = "/usr/bin/python3 '" +
                              ::testing_support::sourcePath("tests/check/draw/list_entities.py") +
                              "' '" + drawing.string() + "' 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string output;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
  EXPECT_EQ(::pclose(pipe), 0) << output;
  return output;
}

std::vector<std::string> linesOf(std::istream& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(VectorDxf, DrawsWhatTheCheckAlwaysDrew) {
  write("design.csv", kRecordedDesign);
  write("survey.csv", kRecordedSurvey);
  write("site.py", kTurnedSite);
  ASSERT_EQ(std::system(("cd '" + folder.string() + "' && /usr/bin/python3 site.py").c_str()), 0);
  const std::string kTolerances =
      "check design.csv survey.csv --tolerance x=0.02,y=0.02,z=0.01 --text-height 0.5 ";
  const std::vector<std::pair<std::string, std::string>> checks = {
      {"world_bubble", kTolerances + "--z bubble"},
      {"world_vector", kTolerances + "--z vector"},
      {"turned_bubble", kTolerances + "--z bubble --drawing site.dxf --ucs TURNED"},
      {"turned_vector", kTolerances + "--z vector --drawing site.dxf --ucs TURNED"},
      {"axes_xz", "check design.csv survey.csv --axes xz --decimals 2"}};
  std::string listing;
  for (const auto& [name, options] : checks) {
    const int status = run(options + " --dxf " + name + ".dxf");
    ASSERT_TRUE(status == 0 || status == 1) << name << ": " << err;
    listing += "== " + name + "\n" + listEntities(folder / (name + ".dxf"));
  }

  std::istringstream drawn(listing);
  std::ifstream recorded(::testing_support::sourcePath("tests/check/draw/recorded_vectors.txt"));
  const std::vector<std::string> drawnLines = linesOf(drawn);
  const std::vector<std::string> recordedLines = linesOf(recorded);
  ASSERT_FALSE(recordedLines.empty());
  for (std::size_t i = 0; i < std::min(drawnLines.size(), recordedLines.size()); ++i) {
    ASSERT_EQ(drawnLines[i], recordedLines[i]) << "line " << i + 1;
  }
  EXPECT_EQ(drawnLines.size(), recordedLines.size());
}

struct BadOption {
  const char* arguments;
  const char* message;
};

class VectorDxfBadOption : public VectorDxf, public testing::WithParamInterface<BadOption> {};

TEST_P(VectorDxfBadOption, ExitsWithTwoAndWritesNothing) {
  fixtures::saveSiteDrawing(folder / "site.dxf");
  EXPECT_EQ(run(std::string("check design.csv survey.csv ") + GetParam().arguments), 2);
  EXPECT_NE(err.find(GetParam().message), std::string::npos) << err;
  EXPECT_FALSE(std::filesystem::exists(folder / "out.dxf"));
}

INSTANTIATE_TEST_SUITE_P(
    Options, VectorDxfBadOption,
    testing::Values(
        BadOption{"--dxf out.dxf --text-height 0", "--text-height takes a number greater than 0"},
        BadOption{"--dxf out.dxf --text-height=-1", "--text-height takes a number greater than 0"},
        BadOption{"--dxf out.dxf --axes xx", "--axes takes the axes to draw"},
        BadOption{"--dxf out.dxf --axes xw", "--axes takes the axes to draw"},
        BadOption{"--dxf out.dxf --axes=", "--axes takes the axes to draw"},
        BadOption{"--dxf out.dxf --z cube", "--z takes bubble or vector"},
        BadOption{"--text-height 2", "--text-height needs --dxf OUT.dxf"},
        BadOption{"--z vector", "--z needs --dxf OUT.dxf"},
        BadOption{"--drawing site.dxf --dxf ./site.dxf", "--dxf names the drawing itself"},
        BadOption{"--drawing missing.dxf --dxf out.dxf", "missing.dxf"}));

}  // namespace
}  // namespace check::draw
