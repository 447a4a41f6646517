#include <gtest/gtest.h>

#include "host/model/mtext_format.h"
#include "host/view-core/drawing_text.h"
#include "host/view-core/rendered_drawing.h"

namespace host::view {
namespace {

using Lines = std::vector<std::string>;

struct MultiLineCase {
  std::string name;
  std::string content;
  Lines shown;
};

void PrintTo(const MultiLineCase& c, std::ostream* os) {
  *os << c.name;
}

class MultiLineCodes : public testing::TestWithParam<MultiLineCase> {};

TEST_P(MultiLineCodes, ShowOnlyTheText) {
  EXPECT_EQ(model::multiLineTextLines(GetParam().content), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Content, MultiLineCodes,
    testing::Values(MultiLineCase{"Plain", "Station 4", {"Station 4"}},
                    MultiLineCase{"LineBreaks", "Peg\\Pcheck\nend", {"Peg", "check", "end"}},
                    MultiLineCase{"EmptyLines", "a\\P\\Pb", {"a", "", "b"}},
                    MultiLineCase{"NonBreakingSpace", "12\\~m", {"12\u00A0m"}},
                    MultiLineCase{"Literals", "a\\\\b \\{c\\}", {"a\\b {c}"}},
                    MultiLineCase{"GroupsVanish", "{Level {23}}", {"Level 23"}},
                    MultiLineCase{"LinesOnAndOff",
                                  "\\Lunder\\l \\Oover\\o \\Kstruck\\k",
                                  {"under over struck"}},
                    MultiLineCase{"Unicode", "\\U+00B1 0.5\\U+2300", {"\u00B1 0.5\u2300"}},
                    MultiLineCase{"Settings",
                                  "\\H2.5x;\\C1;\\c16711680;\\A1;\\T1.2;\\Q15;\\W0.8;Kerb",
                                  {"Kerb"}},
                    MultiLineCase{"FontInAGroup",
                                  "Setting-out\\Pcheck {\\fArial|b1|i0;passed}",
                                  {"Setting-out", "check passed"}},
                    MultiLineCase{"StackWithCaret", "1\\S1^2;in", {"11/2in"}},
                    MultiLineCase{"StackWithSlash", "\\S3/4;", {"3/4"}},
                    MultiLineCase{"StackWithHash", "\\S5#8;", {"5/8"}},
                    MultiLineCase{"UnknownCode", "a\\Xb", {"a\\Xb"}},
                    MultiLineCase{"SettingNeverEnded", "\\H2.5 high", {"\\H2.5 high"}},
                    MultiLineCase{"StackNeverEnded", "\\S1/2 left", {"\\S1/2 left"}},
                    MultiLineCase{"ShortUnicode", "\\U+4 end", {"\\U+4 end"}},
                    MultiLineCase{"NotHexUnicode", "\\U+12G4", {"\\U+12G4"}},
                    MultiLineCase{"TrailingBackslash", "end\\", {"end\\"}}));

struct LineCase {
  std::string name;
  std::string content;
  std::string shown;
};

void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}

class LineCodes : public testing::TestWithParam<LineCase> {};

TEST_P(LineCodes, ShowTheirSigns) {
  EXPECT_EQ(model::lineTextShown(GetParam().content), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Content, LineCodes,
    testing::Values(LineCase{"Diameter", "%%c150 pipe", "\u00D8150 pipe"},
                    LineCase{"Degrees", "45%%d30'", "45\u00B030'"},
                    LineCase{"PlusMinus", "%%p0.005", "\u00B10.005"},
                    LineCase{"Percent", "12%%% fall", "12% fall"},
                    LineCase{"UnderAndOverVanish", "%%uEdge%%u %%oTop", "Edge Top"},
                    LineCase{"CapitalCodes", "%%D%%C%%P", "\u00B0\u00D8\u00B1"},
                    LineCase{"UnknownCode", "%%z and 50%", "%%z and 50%"},
                    LineCase{"TrailingCode", "grade %%", "grade %%"},
                    LineCase{"BackslashesStay", "a\\Pb", "a\\Pb"}));

// What the drawing window paints of a text and a multi-line text read from a file.
TEST(TextCodes, TheWindowPaintsTheTextShown) {
  const auto document =
      DrawingText{{},
                  {},
                  {},
                  {},
                  {"0 TEXT|8 0|10 10|20 20|40 2|1 Bearing 45%%d",
                   "0 MTEXT|8 0|10 50|20 50|40 2|71 1|1 {\\H3x;Top}\\P\\LRL\\l 12.5\\U+00B1"}}
          .open();
  const RenderedDrawing drawn(*document);
  Lines painted;
  for (const auto& label : drawn.canvas.labels) painted.push_back(label.text);
  EXPECT_EQ(painted, (Lines{"Bearing 45\u00B0", "Top", "RL 12.5\u00B1"}));
  EXPECT_EQ(drawn.scene.notShown, 0u);
}

}  // namespace
}  // namespace host::view
