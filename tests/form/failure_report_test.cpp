// A handler that fails, with an automation error or any other standard exception, is reported
// in the "Kestova" message box and the dialog goes on.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "cad/automation_error.h"
#include "support/form_fixture.h"

namespace {

struct FailureCase {
  const char* name;
  std::function<void(form::frmKestova&)> fail;
  const char* message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class HandlerFailure : public formtest::FormFixture,
                       public ::testing::WithParamInterface<FailureCase> {};

TEST_P(HandlerFailure, IsReportedAndTheDialogComesBack) {
  messages.answerYes = false;
  form::frmKestova& dialog = load();
  dialog.Show();
  dialog.runReported([&] {
    dialog.Hide();
    GetParam().fail(dialog);
  });
  EXPECT_EQ(messages.informed, std::vector<std::string>{GetParam().message});
  EXPECT_TRUE(dialog.IsShown());

  // The program goes on: the next handler runs as ever.
  dialog.runReported([&] { dialog.SetCheckValue("chkAvDevs", 1); });
  EXPECT_TRUE(dialog.Visible("txtXav"));
  EXPECT_EQ(messages.informed.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HandlerFailure,
    ::testing::Values(
        FailureCase{"automation", [](form::frmKestova&) { throw cad::divisionByZeroError(); },
                    "Error 11: Division by zero"},
        FailureCase{"outOfRange",
                    [](form::frmKestova&) { throw std::out_of_range("vector::_M_range_check"); },
                    "Error 51: Internal error: vector::_M_range_check"},
        FailureCase{"outOfMemory", [](form::frmKestova&) { throw std::bad_alloc(); },
                    "Error 7: Out of memory"},
        FailureCase{"misspeltControl", [](form::frmKestova& d) { d.Text("txtXer"); },
                    "Error 51: Internal error: the dialog has no control txtXer"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// A settings store that runs out of memory while the height is stored.
struct ExhaustedSettings : formtest::MemorySettings {
  bool Write(const std::string&, const std::string&, const std::string&,
             const std::string&) override {
    throw std::bad_alloc();
  }
};

TEST(HandlerFailureOnTheWay, TypingGoesOnWhenTheHeightCannotBeStored) {
  host::HostLauncher launcher;
  formtest::RecordedMessages messages;
  ExhaustedSettings settings;
  form::frmKestova dialog(form::FormServices{&launcher, &messages, &settings, ".", {}});
  for (const char* typed : {"2", "2.5"}) {
    dialog.runReported([&] { dialog.SetText("txtTextHgt", typed); });
  }
  EXPECT_EQ(dialog.Text("txtTextHgt"), "2.5");
  EXPECT_EQ(messages.informed, std::vector<std::string>(2, "Error 7: Out of memory"));
}

}  // namespace
