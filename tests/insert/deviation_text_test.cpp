#include "insert/deviation_text.h"

#include <gtest/gtest.h>

#include "fake_dialog.h"

namespace {

TEST(CharacterCount, CountsCodePointsNotBytes) {
  EXPECT_EQ(insert::characterCount(""), 0u);
  EXPECT_EQ(insert::characterCount("0.012"), 5u);
  EXPECT_EQ(insert::characterCount("1\u00b0"), 2u);  // two bytes for the degree sign
  EXPECT_EQ(insert::characterCount("\u2212"
                                   "1"),
            2u);                                        // three bytes for the minus sign
  EXPECT_EQ(insert::characterCount("\U0001F4CF"), 1u);  // four bytes
}

TEST(WithoutFirstCharacter, DropsOneWholeCharacter) {
  EXPECT_EQ(insert::withoutFirstCharacter(""), "");
  EXPECT_EQ(insert::withoutFirstCharacter("-"), "");
  EXPECT_EQ(insert::withoutFirstCharacter("-0.5"), "0.5");
  EXPECT_EQ(insert::withoutFirstCharacter("\u2212"
                                          "0.5"),
            "0.5");
  EXPECT_EQ(insert::withoutFirstCharacter("\u00b5m"), "m");
}

TEST(ReadDeviationText, AverageBoxChoosesTheAverageFields) {
  FakeDialog dialog;
  dialog.texts = {{"txtXerr", "1"}, {"txtYerr", "2"}, {"txtZerr", "3"},
                  {"txtXav", "-1"}, {"txtYav", "-2"}, {"txtZav", "-3"}};
  EXPECT_EQ(insert::readDeviationText(dialog, insert::Axis::Y), "2");
  dialog.checks["chkAvDevs"] = 1;
  EXPECT_EQ(insert::readDeviationText(dialog, insert::Axis::X), "-1");
  EXPECT_EQ(insert::readDeviationText(dialog, insert::Axis::Y), "-2");
  EXPECT_EQ(insert::readDeviationText(dialog, insert::Axis::Z), "-3");
}

}  // namespace
