#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "insert/insert_command.h"
#include "recording_fixture.h"

namespace {

// A Grouped bubble at the insert point (10, 20, 0) with text height 2, under the world UCS.
struct BubbleCase {
  const char* name;
  std::map<std::string, std::string, std::less<>> texts;
  bool xyTicked;
  bool averages;
  std::string label;
  std::string labelPoint;
  std::string ellipse;  // centre, major axis, ratio
};

void PrintTo(const BubbleCase& c, std::ostream* os) {
  *os << c.name;
}

class GroupedBubble : public RecordingRun, public ::testing::WithParamInterface<BubbleCase> {};

TEST_P(GroupedBubble, SitsClearOfTheArrowsInsideItsEllipse) {
  const BubbleCase& c = GetParam();
  dialog.texts = c.texts;
  dialog.texts["txtTextHgt"] = "2";
  dialog.checks = {
      {"chkXdev", c.xyTicked}, {"chkYdev", c.xyTicked}, {"chkZdev", 1}, {"chkAvDevs", c.averages}};
  dialog.options["optZBubble"] = true;
  drawing->picks = {cad::Point3(10, 20, 0), cad::Point3(0, 0, 0)};

  insert::cmdInsert_Click(dialog, vars);

  const std::vector<std::string> drawn = creations();
  ASSERT_GE(drawn.size(), 3u);
  const std::string text = drawn[drawn.size() - 3], ellipse = drawn[drawn.size() - 2];
  EXPECT_EQ(text.substr(0, text.find(" ->")), "AddText \"" + c.label + "\" " + c.labelPoint + " 2");
  EXPECT_EQ(ellipse.substr(0, ellipse.find(" ->")), "AddEllipse " + c.ellipse);
  EXPECT_EQ(drawn.back().rfind("AddLine (10,20,0) ", 0), 0u) << "the leader starts at the pick";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupedBubble,
    ::testing::Values(
        // Six characters: centre three heights along, major radius 3.5 heights.
        BubbleCase{"Positive",
                   {{"txtXerr", "1"}, {"txtYerr", "1"}, {"txtZerr", "0.005"}},
                   true,
                   false,
                   "+0.005",
                   "(13.5,23.5,0)",
                   "(19.5,24.5,0) (7,0,0) 0.21428571428571427"},
        BubbleCase{"Zero",
                   {{"txtXerr", "1"}, {"txtYerr", "1"}, {"txtZerr", "0"}},
                   true,
                   false,
                   "%%p0",
                   "(13.5,23.5,0)",
                   "(15.5,24.5,0) (3,0,0) 0.5"},
        BubbleCase{"Empty",
                   {{"txtXerr", "1"}, {"txtYerr", "1"}},
                   true,
                   false,
                   "%%p0",
                   "(13.5,23.5,0)",
                   "(15.5,24.5,0) (3,0,0) 0.5"},
        BubbleCase{"XNegative",
                   {{"txtXerr", "-1"}, {"txtYerr", "1"}, {"txtZerr", "-0.5"}},
                   true,
                   false,
                   "-0.5",
                   "(-1.5,23.5,0)",
                   "(2.5,24.5,0) (5,0,0) 0.3"},
        BubbleCase{"BothNegative",
                   {{"txtXerr", "-1"}, {"txtYerr", "-1"}, {"txtZerr", "0.5"}},
                   true,
                   false,
                   "+0.5",
                   "(-1.5,14.5,0)",
                   "(2.5,15.5,0) (5,0,0) 0.3"},
        BubbleCase{"XYNotTicked",
                   {{"txtXerr", "-1"}, {"txtYerr", "-1"}, {"txtZerr", "1"}},
                   false,
                   false,
                   "+1",
                   "(13.5,23.5,0)",
                   "(15.5,24.5,0) (3,0,0) 0.5"},
        BubbleCase{"Averages",
                   {{"txtXerr", "1"},
                    {"txtXav", "-1"},
                    {"txtYav", "1"},
                    {"txtZerr", "-3"},
                    {"txtZav", "2"}},
                   true,
                   true,
                   "+2",
                   "(2.5,23.5,0)",
                   "(4.5,24.5,0) (3,0,0) 0.5"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
