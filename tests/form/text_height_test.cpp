// The text height: shown from the settings store at start-up, stored on every edit.
#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace {

struct LoadCase {
  std::optional<std::string> stored;  // empty: no entry yet
  const char* separator;
  const char* shown;
  std::optional<std::string> storedAfter;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
  *os << "stored '" << c.stored.value_or("(none)") << "' with '" << c.separator << "'";
}

class TextHeightLoad : public formtest::FormFixture,
                       public ::testing::WithParamInterface<LoadCase> {};

TEST_P(TextHeightLoad, ShowsTheStoredHeightAndWritesItBack) {
  settings.height = GetParam().stored;
  decimalSeparator = GetParam().separator;
  messages.answerYes = false;  // loaded also without a drawing
  EXPECT_EQ(load().Text("txtTextHgt"), GetParam().shown);
  EXPECT_EQ(settings.height, GetParam().storedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextHeightLoad,
    ::testing::Values(LoadCase{std::nullopt, ".", " 1", "1"}, LoadCase{"0.5", ".", " .5", "0.5"},
                      LoadCase{"-1", ".", "-1", "-1"}, LoadCase{"2,5", ",", " 2.5", "2,5"},
                      // No number: the field keeps its design text and the entry stays.
                      LoadCase{"abc", ".", "1", "abc"}, LoadCase{"2.5mm", ".", "1", "2.5mm"},
                      LoadCase{"2.5", ",", "1", "2.5"}));

struct EditCase {
  const char* typed;
  const char* separator;
  const char* stored;
};

void PrintTo(const EditCase& c, std::ostream* os) {
  *os << "typed '" << c.typed << "' with '" << c.separator << "'";
}

class TextHeightEdit : public formtest::FormFixture,
                       public ::testing::WithParamInterface<EditCase> {};

TEST_P(TextHeightEdit, StoresTheNumericValueOfTheField) {
  decimalSeparator = GetParam().separator;
  make().SetText("txtTextHgt", GetParam().typed);
  EXPECT_EQ(settings.height, GetParam().stored);
  EXPECT_EQ(form->Text("txtTextHgt"), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(Table, TextHeightEdit,
                         ::testing::Values(EditCase{"2.5", ",", "2,5"}, EditCase{"2,5", ",", "2"},
                                           EditCase{"2.5mm", ".", "2.5"}, EditCase{"", ".", "0"},
                                           EditCase{" .5", ".", "0.5"}, EditCase{"-1", ".", "-1"}));

using TextHeight = formtest::FormFixture;

TEST_F(TextHeight, TypingStoresKeystrokeByKeystrokeButNoOverflowingNumber) {
  form::frmKestova& form = make();
  for (const char* text : {"", "1", "12", "12e400", "1.7976931348623157e308", "12e4"}) {
    form.SetText("txtTextHgt", text);
  }
  EXPECT_EQ(settings.written, (std::vector<std::string>{"0", "1", "12", "120000"}));
  EXPECT_TRUE(messages.informed.empty());
}

TEST_F(TextHeight, AStoreThatFailsStaysSilent) {
  settings.fails = true;
  form::frmKestova& form = load();
  EXPECT_EQ(form.Text("txtTextHgt"), "1");
  form.SetText("txtTextHgt", "3");
  EXPECT_EQ(messages.informed.size(), 0u);
}

}  // namespace
