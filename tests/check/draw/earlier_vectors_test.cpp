// `kestova check --dxf` into a drawing that holds the vectors of an earlier check: they give
// way to the new ones, tagged so that the next check finds them too, unless kept; and the text
// height proposed for a layout. The drawings are read back with ezdxf.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>

#include "support/project_paths.h"
#include "vectors_seen.h"

namespace check::draw {
namespace {

constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation\n"
    "P1,1000,2000,50\nP2,1010,2000,50.5\nP3,1020,2000,51\n";
constexpr const char* kSurvey = "P1,1000.005,1999.998,50.003\nP2,1010.030,2000.004,50.480\n";
constexpr const char* kCheck =
    "check design.csv survey.csv --tolerance x=0.02,y=0.02,z=0.01 --text-height 0.5 ";

// What check_tags.py sees of a drawing.
struct Tags {
  bool registered = false;            // KESTOVA_CHECK in the APPID table
  std::map<std::string, int> counts;  // by "LAYER tagged" or "LAYER plain"
  std::vector<double> textHeights;

  int count(const std::string& key) const { return counts.contains(key) ? counts.at(key) : 0; }
  int taggedOnDeviationLayers() const {
    return count("DEV-PASS tagged") + count("DEV-FAIL tagged") + count("DEV-MISSING tagged");
  }
};

class EarlierVectors : public testing::Test {
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
  int run(const std::string& arguments) {
    const std::string command = "cd '" + folder.string() + "' && '" +
                                ::testing_support::kestovaProgram() + "' " + arguments +
                                " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    err = read("stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // Runs a Python script in the test's folder; it must succeed.
  void python(const std::string& script) {
    write("script.py", script);
    const std::string command =
        "cd '" + folder.string() + "' && /usr/bin/python3 script.py >python.txt 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << read("python.txt");
  }
  Tags tags(const std::string& drawing) {
    const std::string command = "/usr/bin/python3 '" +
                                ::testing_support::sourcePath("tests/check/draw/check_tags.py") +
                                "' '" + (folder / drawing).string() + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    if (::pclose(pipe) != 0) throw std::runtime_error("ezdxf could not read it: " + output);
    Tags seen;
    std::istringstream lines(output);
    for (std::string kind, layer, tag, height; lines >> kind >> layer;) {
      if (kind == "APPID") {
        seen.registered = layer == "yes";
        continue;
      }
      lines >> tag >> height;
      ++seen.counts[layer + " " + tag];
      if (kind == "TEXT") seen.textHeights.push_back(std::stod(height));
    }
    return seen;
  }

  std::filesystem::path folder = std::filesystem::path(testing::TempDir()) /
                                 ("earlier_vectors_test_" + std::to_string(::getpid()));
  std::string err;
};

TEST_F(EarlierVectors, EveryEntityOfACheckIsTaggedAndTheApplicationRegistered) {
  ASSERT_EQ(run(std::string(kCheck) + "--dxf first.dxf"), 1) << err;
  const Tags first = tags("first.dxf");
  EXPECT_TRUE(first.registered);
  EXPECT_GT(first.taggedOnDeviationLayers(), 10);
  for (const char* plain : {"DEV-PASS plain", "DEV-FAIL plain", "DEV-MISSING plain"}) {
    EXPECT_EQ(first.count(plain), 0) << plain;
  }
}

struct Again {
  const char* name;
  const char* options;
  int timesTheFirst;  // tagged entities on the DEV- layers, in checks drawn
};

class DrawingAgain : public EarlierVectors, public testing::WithParamInterface<Again> {};

TEST_P(DrawingAgain, ReplacesTheEarlierVectorsUnlessKeptAndLeavesTheUsersOwn) {
  ASSERT_EQ(run(std::string(kCheck) + "--dxf first.dxf"), 1) << err;
  const int once = tags("first.dxf").taggedOnDeviationLayers();
  // A line of the user's on DEV-PASS, and one a check drew that the user moved to layer 0: both
  // are the user's and stay.
  python(
      "import ezdxf\n"
      "doc = ezdxf.readfile('first.dxf')\n"
      "msp = doc.modelspace()\n"
      "msp.add_line((0, 0), (1, 1), dxfattribs={'layer': 'DEV-PASS'})\n"
      "moved = msp.add_line((0, 0), (2, 2), dxfattribs={'layer': '0'})\n"
      "moved.set_xdata('KESTOVA_CHECK', [(1000, 'Deviation drawn by a survey check')])\n"
      "doc.saveas('edited.dxf')\n");
  ASSERT_EQ(
      run(std::string(kCheck) + "--drawing edited.dxf --dxf second.dxf " + GetParam().options), 1)
      << err;
  const Tags second = tags("second.dxf");
  EXPECT_EQ(second.taggedOnDeviationLayers(), GetParam().timesTheFirst * once);
  EXPECT_EQ(second.count("DEV-PASS plain"), 1) << "the user's line stays";
  EXPECT_EQ(second.count("0 tagged"), 1) << "what the user moved off the DEV- layers stays";
  // And once more from the drawing saved: the tags were saved and read again.
  ASSERT_EQ(run(std::string(kCheck) + "--drawing second.dxf --dxf third.dxf " + GetParam().options),
            1)
      << err;
  EXPECT_EQ(tags("third.dxf").taggedOnDeviationLayers(),
            (GetParam().timesTheFirst == 1 ? 1 : 3) * once);
}

INSTANTIATE_TEST_SUITE_P(Options, DrawingAgain,
                         testing::Values(Again{"Replacing", "", 1},
                                         Again{"KeepingBoth", "--keep-earlier", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EarlierVectors, KeepingEarlierVectorsNeedsADrawingToDrawInto) {
  EXPECT_EQ(run("check design.csv survey.csv --keep-earlier"), 2);
  EXPECT_NE(err.find("--keep-earlier needs --dxf"), std::string::npos) << err;
}

// A road of 500 m at 30 degrees, a stake every 20 m: labels a tenth of that spacing high, not
// the 1 of no height given; a height given is taken as it is.
TEST_F(EarlierVectors, TheTextHeightSuitsTheLayoutUnlessGiven) {
  std::string design = "Point,Easting,Northing,Elevation\n";
  std::string survey;
  const double angle = std::numbers::pi / 6;
  for (int i = 0; i <= 25; ++i) {
    const double x = 350000 + 20.0 * i * std::cos(angle);
    const double y = 6200000 + 20.0 * i * std::sin(angle);
    design += "S" + std::to_string(i) + "," + std::to_string(x) + "," + std::to_string(y) + ",12\n";
    survey += "S" + std::to_string(i) + "," + std::to_string(x + 0.01) + "," + std::to_string(y) +
              ",12.005\n";
  }
  write("design.csv", design);
  write("survey.csv", survey);
  for (const auto& [options, height] :
       std::vector<std::pair<std::string, double>>{{"", 2.0}, {"--text-height 0.5", 0.5}}) {
    ASSERT_EQ(run("check design.csv survey.csv --dxf road.dxf " + options), 0) << err;
    const Tags road = tags("road.dxf");
    ASSERT_FALSE(road.textHeights.empty());
    for (const double h : road.textHeights) EXPECT_DOUBLE_EQ(h, height) << options;
  }
}

}  // namespace
}  // namespace check::draw
