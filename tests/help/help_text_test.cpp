#include "help/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Splits on CR LF; a CR or LF standing alone stays inside its line, so a stray one shows up.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "text after the last line break";
  return lines;
}

TEST(HelpText, IsThirtyFiveLinesFromALineBreakToTwoInARow) {
  const std::string text = help::helpText();
  EXPECT_TRUE(text.starts_with("\r\n"));
  EXPECT_TRUE(text.ends_with(".\r\n\r\n"));
  const auto lines = linesOf(text);
  ASSERT_EQ(lines.size(), 35u);
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string::npos) << "line " << i + 1;
}

TEST(HelpText, EmptyLinesSitWhereTheLayoutNeedsThem) {
  const auto lines = linesOf(help::helpText());
  ASSERT_EQ(lines.size(), 35u);
  // Two empty lines before section 3 (24, 25); none between 19 and 20.
  const std::vector<std::size_t> empty = {1,  3,  5,  7,  9,  12, 14, 16,
                                          18, 21, 24, 25, 28, 31, 33, 35};
  for (std::size_t number = 1; number <= lines.size(); ++number) {
    const bool shouldBeEmpty = std::find(empty.begin(), empty.end(), number) != empty.end();
    EXPECT_EQ(lines[number - 1].empty(), shouldBeEmpty) << "line " << number;
  }
}

TEST(HelpText, KeyLinesAreExactTrailingBlanksIncluded) {
  const auto lines = linesOf(help::helpText());
  ASSERT_EQ(lines.size(), 35u);
  EXPECT_EQ(lines[1], "Kestova insert to AutoCAD 2007");
  EXPECT_EQ(lines[9], "1) Deviations - ");
  EXPECT_EQ(lines[19], "To clear the averages deselect the average check box.");
  EXPECT_EQ(lines[21], "2) Inset vectors -");
  EXPECT_EQ(lines[29],
            "Enter the required text height, the vector arrows will be scaled proportionately ");
  EXPECT_TRUE(
      lines[5].ends_with(" ) into AutoCAD in the X, Y & Z directions and draws an "
                         "optional leader to a picked point."));
}

TEST(HelpText, HasNoDoubledOrLeadingBlanksOrControlCharacters) {
  // Joining the wrapped source literals is where a blank is easily lost or doubled.
  const auto lines = linesOf(help::helpText());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].find("  "), std::string::npos) << "line " << i + 1;
    EXPECT_FALSE(lines[i].starts_with(' ')) << "line " << i + 1;
    for (char c : lines[i]) EXPECT_TRUE(c >= 0x20 && c < 0x7f) << "line " << i + 1;
  }
}

}  // namespace
