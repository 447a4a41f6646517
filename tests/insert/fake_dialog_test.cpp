// The test double of the dialog knows the real dialog's controls: a misspelt control name fails
// the test that uses it instead of reading as an empty, unticked control.
#include "fake_dialog.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "insert/insert_command.h"

namespace {

TEST(FakeDialog, RefusesAMisspeltControlWhenItIsRead) {
  FakeDialog dialog;
  EXPECT_THROW(dialog.Text("txtXer"), std::logic_error);
  EXPECT_THROW(dialog.CheckValue("chkXDev"), std::logic_error);
  EXPECT_THROW(dialog.OptionValue("optInSeparately"), std::logic_error);
  EXPECT_EQ(dialog.Text("txtXerr"), "");  // a real control the test left empty
}

TEST(FakeDialog, RefusesAMisspeltControlGivenAValue) {
  FakeDialog dialog;
  dialog.texts = {{"txtTextHgt", "2"}, {"txtXerr ", "0.5"}};
  insert::DialogVariables vars;
  EXPECT_THROW(insert::cmdInsert_Click(dialog, vars), std::logic_error);
}

}  // namespace
