// Start-up against a fake CAD program: which instance it attaches to, what it asks, and what it
// leaves in the drawing and the dialog.
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

TEST_F(FormLoad, AttachesToTheLowestRunningReleaseWithoutAsking) {
  auto release16 = run("AutoCAD.Application.16");
  run("AutoCAD.Application.18");
  app::frmKestova& form = load();
  EXPECT_EQ(launcher.calls, attachesUpTo(16));
  EXPECT_TRUE(messages.questions.empty());
  EXPECT_EQ(form.variables().acadApp.shared(), release16);
  EXPECT_EQ(form.variables().acadDoc.shared(), release16->document);
  EXPECT_EQ(form.variables().utilObj.shared(), release16->document->utility);
  EXPECT_TRUE(release16->visible);
}

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

TEST_F(FormLoad, StartsRelease16WhenTheUserAgrees) {
  launcher.installed = {"AutoCAD.Application.16"};
  app::frmKestova& form = load();
  std::vector<std::string> expected = attachesUpTo(20);
  expected.push_back("create AutoCAD.Application.16");
  EXPECT_EQ(launcher.calls, expected);
  EXPECT_EQ(messages.questions, std::vector<std::string>{kQuestion});
  EXPECT_TRUE(messages.informed.empty());

  const auto started = launcher.running.at("AutoCAD.Application.16");
  EXPECT_TRUE(started->visible);
  EXPECT_EQ(form.variables().acadDoc.shared(), started->document);
  EXPECT_EQ(form.variables().DP, "###0.0000");
  ASSERT_EQ(started->document->blocks->blocks.size(), 1u);  // start-up went through to the end
}

TEST_F(FormLoad, AFailedStartIsReportedAndLeavesTheDialogUnconnected) {
  settings.entries["Kestova/startup/Height"] = "2.5";
  app::frmKestova& form = load();
  ASSERT_EQ(messages.informed.size(), 1u);
  // The last failure of the start branch: reading the document of no application.
  EXPECT_EQ(messages.informed[0], cad::objectNotSetError().description());
  EXPECT_FALSE(form.variables().acadApp);
  EXPECT_FALSE(form.variables().utilObj);
  EXPECT_EQ(form.variables().DP, "");
  EXPECT_EQ(form.Text("txtTextHgt"), "1");
  EXPECT_TRUE(settings.written.empty());
}

TEST_F(FormLoad, AnsweringNoOpensTheDialogUnconnectedWithoutAMessage) {
  messages.answerYes = false;
  settings.entries["Kestova/startup/Height"] = "2.5";
  app::frmKestova& form = load();
  EXPECT_EQ(launcher.calls, attachesUpTo(20));
  EXPECT_TRUE(messages.informed.empty());
  EXPECT_FALSE(form.variables().acadDoc);
  EXPECT_EQ(form.variables().DP, "###0");
  EXPECT_EQ(form.Text("txtTextHgt"), " 2.5");
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

TEST_F(FormLoad, DefinesTheArrowBlockInAnEmptyDrawing) {
  auto document = run("AutoCAD.Application.16")->document;
  load();
  ASSERT_EQ(document->blocks->blocks.size(), 1u);
  const fake::Block& block = *document->blocks->blocks[0];
  EXPECT_EQ(block.name, "ArrowX1");
  EXPECT_EQ(block.basePoint, cad::Point3::Zero());
  ASSERT_EQ(block.polylines.size(), 1u);
  const std::vector<double> expected{
      0, 0, 0, 3, 0, 0, 1.75, 0.5, 0, 1.75, -0.5, 0, 3, 0, 0, 1.75, 0, 0.5, 1.75, 0, -0.5, 3, 0,
      0, 0, 0, 0, 0, 0, 0,    0,   0, 0,    0,    0, 0, 0, 0, 0,    0, 0,   0,    0, 0,    0};
  EXPECT_EQ(block.polylines[0], expected);
}

TEST_F(FormLoad, FindsTheArrowBlockInAnyCaseAndLeavesItAlone) {
  auto document = run("AutoCAD.Application.16")->document;
  for (const char* name : {"*Model_Space", "arrowx1"}) {
    auto block = std::make_shared<fake::Block>();
    block->name = name;
    document->blocks->blocks.push_back(block);
  }
  load();
  load();  // a second start against the same drawing
  ASSERT_EQ(document->blocks->blocks.size(), 2u);
  EXPECT_TRUE(document->blocks->blocks[1]->polylines.empty());
}

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

TEST_F(FormLoad, SetsTheTextStyleOnEveryStart) {
  auto document = run("AutoCAD.Application.16")->document;
  auto existing = std::make_shared<fake::TextStyle>();
  existing->font = "romans.shx";
  document->textStyles->styles["mono25"] = existing;
  load();
  EXPECT_EQ(existing->font, "monotxt.shx");
  EXPECT_EQ(document->activeStyle.shared(), existing);
  EXPECT_EQ(document->textStyles->styles.size(), 1u);
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
