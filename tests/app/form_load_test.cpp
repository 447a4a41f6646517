// Start-up against a fake CAD program that logs the launcher's calls and fails where asked:
// the order of the attach attempts, and steps that fail without stopping start-up.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace {

using apptest::FormFixture;

constexpr const char* kQuestion = "AutoCad not running. Attempt start?";

std::vector<std::string> attachesUpTo(int lastRelease) {
  std::vector<std::string> calls;
  for (int release = 15; release <= lastRelease; ++release) {
    calls.push_back("attach AutoCAD.Application." + std::to_string(release));
  }
  return calls;
}

using FormLoad = FormFixture;

TEST_F(FormLoad, TriesEveryReleaseUpTo20) {
  auto release20 = run("AutoCAD.Application.20");
  app::frmKestova& form = load();
  EXPECT_EQ(launcher.calls, attachesUpTo(20));
  EXPECT_TRUE(messages.questions.empty());
  EXPECT_EQ(form.variables().acadApp.shared(), release20);
  EXPECT_EQ(form.variables().DP, "###0.0000");
}

TEST_F(FormLoad, NewerReleasesThan20AreNotLookedFor) {
  run("AutoCAD.Application.21");
  messages.answerYes = false;
  load();
  EXPECT_EQ(launcher.calls, attachesUpTo(20));
  EXPECT_EQ(messages.questions, std::vector<std::string>{kQuestion});
}

TEST_F(FormLoad, TouchesNoControlButTheTextHeight) {
  run("AutoCAD.Application.15");
  app::frmKestova& form = load();
  for (const app::ControlDefinition& c : app::controlDefinitions()) {
    if (c.name == "txtTextHgt") continue;
    EXPECT_EQ(form.Visible(c.name), c.visible) << c.name;
    if (c.kind == app::ControlKind::TextBox) {
      EXPECT_EQ(form.Text(c.name), "") << c.name;
    }
    if (c.kind == app::ControlKind::CheckBox) {
      EXPECT_EQ(form.CheckValue(c.name), c.value) << c.name;
    }
    if (c.kind == app::ControlKind::OptionButton) {
      EXPECT_EQ(form.OptionValue(c.name), c.value == 1) << c.name;
    }
  }
  EXPECT_FALSE(form.variables().PickPnt1);
  EXPECT_EQ(form.variables().X1, 0);
}

struct PrecisionCase {
  std::optional<std::int32_t> luprec;
  const char* DP;
};

void PrintTo(const PrecisionCase& c, std::ostream* os) {
  *os << (c.luprec ? std::to_string(*c.luprec) : "failing read") << " -> " << c.DP;
}

class FormLoadPrecision : public FormFixture,
                          public ::testing::WithParamInterface<PrecisionCase> {};

TEST_P(FormLoadPrecision, BuildsTheNumberFormatFromTheDrawing) {
  run("AutoCAD.Application.17")->document->luprec = GetParam().luprec;
  EXPECT_EQ(load().variables().DP, GetParam().DP);
}

INSTANTIATE_TEST_SUITE_P(Table, FormLoadPrecision,
                         ::testing::Values(PrecisionCase{0, "###0"}, PrecisionCase{3, "###0.000"},
                                           PrecisionCase{8, "###0.00000000"},
                                           PrecisionCase{std::nullopt, "###0"}));

TEST_F(FormLoad, ABlockListThatCannotBeReadCountsAsHoldingTheArrow) {
  auto document = run("AutoCAD.Application.16")->document;
  document->blocks->enumerationFails = true;
  load();
  EXPECT_TRUE(document->blocks->blocks.empty());

  document->blocks->enumerationFails = false;
  auto unreadable = std::make_shared<fake::Block>();
  unreadable->nameFails = true;
  document->blocks->blocks.push_back(unreadable);
  load();
  EXPECT_EQ(document->blocks->blocks.size(), 1u);
}

TEST_F(FormLoad, AFailingStepDoesNotStopTheStepsAfterIt) {
  auto document = run("AutoCAD.Application.16")->document;
  document->luprec.reset();
  document->blocks->addFails = true;
  app::frmKestova& form = load();
  EXPECT_EQ(form.variables().DP, "###0");
  EXPECT_EQ(form.Text("txtTextHgt"), " 1");
  EXPECT_EQ(document->activeStyle->fontFile(), "monotxt.shx");
  EXPECT_TRUE(messages.informed.empty());
}

}  // namespace
