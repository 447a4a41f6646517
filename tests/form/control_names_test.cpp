// Controls are found by name through the one table of control ids; a name the dialog lacks is a
// programming error, refused wherever it is used.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "support/form_fixture.h"

namespace {

using ControlNames = formtest::FormFixture;

TEST_F(ControlNames, AMisspeltControlIsRefusedByEveryAccessor) {
  form::frmKestova& dialog = make();
  const std::vector<std::function<void()>> uses{
      [&] { dialog.Text("txtXer"); },
      [&] { dialog.SetText("txtTextHeight", "2"); },
      [&] { dialog.CheckValue("chkXDev"); },
      [&] { dialog.SetCheckValue("chkAverage", 1); },
      [&] { dialog.OptionValue("optInSeparately"); },
      [&] { dialog.SelectOption("optZbubble"); },
      [&] { dialog.Visible("txtXav "); },
      [&] { dialog.SetVisible("", true); },
  };
  for (std::size_t i = 0; i < uses.size(); ++i) {
    EXPECT_THROW(uses[i](), std::logic_error) << "use " << i;
  }
  EXPECT_TRUE(settings.written.empty());
}

}  // namespace
