// Presets as a user meets them: written by hand or by the window, read back with the same
// meaning, refused with the file and line of a bad line, and used by `kestova check --preset`
// with the command line's own options winning.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "check/check_command.h"
#include "check/preset_folder.h"

namespace check {
namespace {

struct BadLineCase {
  const char* name;
  std::string_view text;
  const char* located;  // what the message starts with after the file's name
  const char* reason;   // what it says further on
};

void PrintTo(const BadLineCase& c, std::ostream* os) {
  *os << c.name;
}

class BadPresetLine : public testing::TestWithParam<BadLineCase> {};

TEST_P(BadPresetLine, IsRefusedWithTheFileAndLine) {
  const BadLineCase& c = GetParam();
  try {
    parsePreset(c.text, "/home/u/presets/ROADS.txt");
    FAIL() << "accepted";
  } catch (const PresetError& e) {
    const std::string message = e.what();
    EXPECT_EQ(message.rfind(std::string("/home/u/presets/ROADS.txt") + c.located, 0), 0u)
        << message;
    EXPECT_NE(message.find(c.reason), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadPresetLine,
    testing::Values(
        BadLineCase{"no equals sign", "match near:0.5\n", ":1: ", "is not an option and its value"},
        BadLineCase{"an output", "# roads\n\ncsv = out.csv\n",
                    ":3: ", "'csv' is not kept in a preset; a preset keeps match, tolerance"},
        BadLineCase{"given twice", "match = id\r\nMATCH = near:1\r\n",
                    ":2: ", "match is given twice"},
        BadLineCase{"unknown key after a good line", "tolerance = x=0.02\ntolerance2 = 1\n",
                    ":2: ", "not kept in a preset"},
        BadLineCase{"tolerance not a number", "\xEF\xBB\xBFtolerance = x=abc\n",
                    ":1: ", "--tolerance: "},
        BadLineCase{"no radius", "match = near:0\n", ":1: ", "--match near:R needs a distance"},
        BadLineCase{"unknown unit", "units = m\nsurvey-units = yards\n",
                    ":2: ", "--survey-units: "},
        BadLineCase{"bad columns", "design-columns = PQ\n", ":1: ", "--design-columns: "},
        BadLineCase{"switch with a value", "decimal-comma = maybe\n",
                    ":1: ", "decimal-comma takes yes or no, not 'maybe'"},
        BadLineCase{"empty value", "codes =\n", ":1: ", "codes needs a value"},
        BadLineCase{"one coordinate system", "match = id\ndesign-crs = EPSG:25832\n",
                    ":2: ", "design-crs needs survey-crs"},
        BadLineCase{"NUL byte", std::string_view("match = i\0d\n", 12), ":1: ", "holds a NUL byte"},
        BadLineCase{"general tolerance twice",
                    "tolerance = x=0.02\ntolerance = KERB:z=0.005\ntolerance = z=0.01\n",
                    ":3: ", "the general tolerance is given twice"},
        BadLineCase{"a code's tolerance twice, in another case",
                    "tolerance = KERB:z=0.005\ntolerance = STK:z=0.01\ntolerance = kerb :x=1\n",
                    ":3: ", "the tolerance of kerb is given twice"},
        BadLineCase{"a code's tolerance with an unknown key", "tolerance = KERB:q=0.005\n",
                    ":1: ", "--tolerance: "},
        BadLineCase{"a code's tolerance without its code", "tolerance = :z=0.005\n",
                    ":1: ", "write the code before its tolerances"},
        BadLineCase{"bounds where the point check takes one limit",
                    "tolerance = KERB:z=-0.03:0.01\n",
                    ":1: ", "the tolerance must be a number, 0 or more"},
        BadLineCase{"a key of the point check against a surface",
                    "tolerance = KERB:x=0.01\n\nagainst = surface\n", ":1: ", "--tolerance: "},
        BadLineCase{"an unknown check", "against = plane\n", ":1: ", "--against takes points"}));

TEST(Preset, ReadsBackAsWrittenAndAppliesAsTheCommandLine) {
  const Preset preset{{"tolerance", "x=0.02,h=0.025"}, {"match", "near:0.5"},
                      {"codes", "STK,KERB"},           {"exclude-codes", "CP"},
                      {"design-units", "m"},           {"survey-units", "usft"},
                      {"survey-columns", "PNEZD"},     {"survey-decimal-comma", "yes"},
                      {"design-decimal-comma", "no"},  {"design-crs", "EPSG:25832"},
                      {"survey-crs", "EPSG:4979"}};
  const Preset read = parsePreset(presetText(preset), "ROADS.txt");
  ASSERT_EQ(read.size(), preset.size());
  for (std::size_t k = 0; k < preset.size(); ++k) {
    EXPECT_EQ(read[k].key, preset[k].key);
    EXPECT_EQ(read[k].value, preset[k].value);
  }
  const CheckOptions options = presetOptions(read);
  EXPECT_EQ(options.matching, Matching::ByProximity);
  EXPECT_DOUBLE_EQ(options.radius, 0.5);
  ASSERT_TRUE(options.tolerances[3].has_value());
  EXPECT_DOUBLE_EQ(options.tolerances[3]->upper, 0.025);
  EXPECT_FALSE(options.tolerances[2].has_value());
  EXPECT_EQ(options.codes.only, (std::vector<std::string>{"STK", "KERB"}));
  EXPECT_EQ(options.surveyUnit, survey::LengthUnit::UsSurveyFoot);
  EXPECT_TRUE(options.surveyReading.columnsGiven);
  EXPECT_FALSE(options.designReading.columnsGiven);
  EXPECT_TRUE(options.surveyReading.decimalComma);
  EXPECT_FALSE(options.designReading.decimalComma);
  EXPECT_EQ(options.surveyCrs, "EPSG:4979");
  EXPECT_EQ(presetArguments(read)[7], "--survey-decimal-comma");
  EXPECT_EQ(presetArguments(read).size(), preset.size() - 1);  // "no" gives no argument
}

TEST(Preset, HoldsTolerancesPerCodeBesideTheGeneralOnes) {
  const Preset preset = parsePreset(
      "tolerance = KERB:z=0.005\ntolerance = x=0.02,z=0.01\ntolerance = STK:h=0.04\n", "ROADS.txt");
  EXPECT_EQ(presetArguments(preset),
            (std::vector<std::string>{"--tolerance=KERB:z=0.005", "--tolerance=x=0.02,z=0.01",
                                      "--tolerance=STK:h=0.04"}));
  const CheckOptions options = presetOptions(preset);
  ASSERT_TRUE(options.tolerances[2].has_value());
  EXPECT_DOUBLE_EQ(options.tolerances[2]->upper, 0.01);
  ASSERT_EQ(options.codeTolerances.size(), 2u);
  EXPECT_EQ(options.codeTolerances[0].code, "KERB");
  EXPECT_DOUBLE_EQ(options.codeTolerances[0].tolerances[2]->upper, 0.005);
  EXPECT_FALSE(options.codeTolerances[0].tolerances[0].has_value());
  EXPECT_EQ(options.codeTolerances[1].code, "STK");
  EXPECT_DOUBLE_EQ(options.codeTolerances[1].tolerances[3]->upper, 0.04);
}

TEST(Preset, ReadsTolerancesWithTheKeysOfTheCheckItIsAgainst) {
  // The check named after its tolerances, as a hand may write it.
  const Preset preset =
      parsePreset("tolerance = KERB:z=-0.03:0.01,n=0.02\ntolerance = z=0.01\nagainst = surface\n",
                  "LEVELS.txt");
  const CheckOptions options = presetOptions(preset);
  EXPECT_EQ(options.against, Against::Surface);
  ASSERT_TRUE(options.tolerances[0].has_value());
  EXPECT_DOUBLE_EQ(options.tolerances[0]->lower, -0.01);
  ASSERT_EQ(options.codeTolerances.size(), 1u);
  ASSERT_TRUE(options.codeTolerances[0].tolerances[1].has_value());
  EXPECT_DOUBLE_EQ(options.codeTolerances[0].tolerances[0]->lower, -0.03);
  EXPECT_DOUBLE_EQ(options.codeTolerances[0].tolerances[1]->upper, 0.02);
  EXPECT_EQ(presetArguments(preset).back(), "--against=surface");
}

TEST(PresetFolder, RefusesNamesThatAreNoFileName) {
  for (const char* name : {"", ".hidden", "a/b", "a\\b", "ROADS?", " ROADS", "A:B"}) {
    EXPECT_THROW(presetFile("/p", name), std::invalid_argument) << name;
  }
  EXPECT_EQ(presetFile("/p", "Roads 2024-B"), std::filesystem::path("/p/Roads 2024-B.txt"));
}

// `kestova check --preset` over point files written here, with presets in the test's own
// configuration folder.
class PresetCommand : public testing::Test {
 protected:
  void SetUp() override {
    folder =
        std::filesystem::temp_directory_path() /
        ("kestova-preset-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    design = write("design.csv",
                   "Point,Easting,Northing,Elevation,Code\n"
                   "P1,0,0,10,STK\nP2,10,0,10,CP\n");
    surveyed = write("survey.txt", "P1;0,004;0;10,02;STK\nP2;10;0;10,5;CP\n");
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
    return (folder / name).string();
  }

  int run(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCheckCommand(arguments, out, err);
    output = out.str();
    errors = err.str();
    return status;
  }

  std::filesystem::path folder;
  std::string design;
  std::string surveyed;
  std::string output;
  std::string errors;
};

TEST_F(PresetCommand, TheCommandLineWinsOverThePreset) {
  savePreset(presetFolder(), "ROADS",
             {{"survey-decimal-comma", "yes"}, {"exclude-codes", "CP"}, {"tolerance", "z=0.01"}});
  EXPECT_EQ(presetFolder(), folder / "Kestova" / "presets");
  // The preset alone: P1 fails in z by 0.02, P2 is left out.
  EXPECT_EQ(run({design, surveyed, "--preset", "ROADS"}), 1) << errors;
  EXPECT_NE(output.find("Pairs: 1,"), std::string::npos) << output;
  // Its tolerance given again on the command line wins; its other options stay.
  EXPECT_EQ(run({design, surveyed, "--tolerance=z=0.05", "--preset=ROADS"}), 0) << errors;
  EXPECT_NE(output.find("Pairs: 1,"), std::string::npos) << output;
}

TEST_F(PresetCommand, ChecksEachCodeAgainstItsOwnTolerance) {
  // P1 (STK) lies 0.02 high; the general tolerance alone fails it.
  const struct {
    const char* stk;
    int status;
  } cases[] = {{"STK:z=0.05", 0},
               {"stk:z=0.02", 0},
               {"STK:z=0.015", 1},
               {"STK:x=0.05", 1},
               {"KERB:z=0.05", 1}};
  for (const auto& c : cases) {
    savePreset(presetFolder(), "ROADS",
               {{"survey-decimal-comma", "yes"},
                {"exclude-codes", "CP"},
                {"tolerance", "z=0.01"},
                {"tolerance", c.stk}});
    EXPECT_EQ(run({design, surveyed, "--preset", "ROADS"}), c.status) << c.stk << errors;
  }
}

TEST_F(PresetCommand, AnUnknownPresetIsRefusedNamingTheFolder) {
  savePreset(presetFolder(), "KERBS", {{"match", "id"}});
  EXPECT_EQ(run({design, surveyed, "--preset", "ROADS"}), 2);
  EXPECT_NE(
      errors.find("no preset 'ROADS' in " + presetFolder().string() + " (presets there: KERBS)"),
      std::string::npos)
      << errors;
  EXPECT_EQ(run({design, surveyed, "--preset", "ROADS", "--preset", "KERBS"}), 2);
  EXPECT_NE(errors.find("--preset is given twice"), std::string::npos) << errors;
}

TEST_F(PresetCommand, ABadPresetFileNamesItsLine) {
  std::filesystem::create_directories(presetFolder());
  std::ofstream(presetFolder() / "ROADS.txt") << "match = id\nunits = yards\n";
  EXPECT_EQ(run({design, surveyed, "--preset", "ROADS"}), 2);
  EXPECT_NE(errors.find((presetFolder() / "ROADS.txt").string() + ":2: --units: "),
            std::string::npos)
      << errors;
}

}  // namespace
}  // namespace check
