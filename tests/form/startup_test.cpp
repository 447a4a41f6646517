// Start-up against the in-memory CAD host, checked in the drawing and the dialog it leaves.
#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace {

namespace model = host::model;
constexpr const char* kQuestion = "AutoCad not running. Attempt start?";

struct AttachCase {
  std::vector<int> runningReleases;
  int attached;  // 0: none, the user is asked
};

void PrintTo(const AttachCase& c, std::ostream* os) {
  for (int release : c.runningReleases) *os << release << " ";
  *os << "running";
}

class Attach : public formtest::FormFixture, public ::testing::WithParamInterface<AttachCase> {};

TEST_P(Attach, TakesTheFirstRunningReleaseOf15To20) {
  std::map<int, std::shared_ptr<host::HostApplication>> hosts;
  for (int release : GetParam().runningReleases) {
    hosts[release] = runHost("AutoCAD.Application." + std::to_string(release));
  }
  messages.answerYes = false;
  load();
  if (GetParam().attached == 0) {
    EXPECT_EQ(messages.questions, std::vector<std::string>{kQuestion});
    return;
  }
  EXPECT_TRUE(messages.questions.empty());
  const auto& attached = hosts.at(GetParam().attached);
  EXPECT_EQ(&drawing(), attached->activeModel().get());
  EXPECT_TRUE(attached->Visible());
}

INSTANTIATE_TEST_SUITE_P(Table, Attach,
                         ::testing::Values(AttachCase{{16, 18}, 16}, AttachCase{{20}, 20},
                                           AttachCase{{15, 20}, 15}, AttachCase{{14, 21}, 0}));

using Startup = formtest::FormFixture;

TEST_F(Startup, StartsANewHostWhenTheUserAgrees) {
  form::frmKestova& form = load();
  EXPECT_EQ(messages.questions, std::vector<std::string>{kQuestion});
  EXPECT_TRUE(messages.informed.empty());
  ASSERT_TRUE(started);
  EXPECT_TRUE(launcher->running().count("AutoCAD.Application.16"));
  EXPECT_TRUE(started->Visible());
  EXPECT_EQ(&drawing(), started->activeModel().get());
  EXPECT_EQ(form.variables().DP, "###0.0000");
  EXPECT_TRUE(drawing().blocks().find("ArrowX1"));  // start-up ran to its last step
}

TEST_F(Startup, AFailedStartIsReportedOnceAndLeavesTheDialogUnconnected) {
  startable = false;
  settings.height = "2.5";
  form::frmKestova& form = load();
  // After the start, the reads through the missing application fail too; the last is shown.
  EXPECT_EQ(messages.informed, std::vector<std::string>{cad::objectNotSetError().description()});
  EXPECT_FALSE(form.variables().acadApp || form.variables().utilObj);
  EXPECT_EQ(form.variables().DP, "");
  EXPECT_EQ(form.Text("txtTextHgt"), "1");
  EXPECT_TRUE(settings.written.empty());
}

TEST_F(Startup, AnsweringNoStillLoadsTheTextHeight) {
  messages.answerYes = false;
  settings.height = "2.5";
  form::frmKestova& form = load();
  EXPECT_FALSE(started);
  EXPECT_TRUE(messages.informed.empty());
  EXPECT_FALSE(form.variables().acadDoc);
  EXPECT_EQ(form.variables().DP, "###0");
  EXPECT_EQ(form.Text("txtTextHgt"), " 2.5");
}

TEST_F(Startup, NumberFormatFollowsTheDrawingsPrecision) {
  for (auto [luprec, DP] : {std::pair{0, "###0"}, {3, "###0.000"}, {8, "###0.00000000"}}) {
    runHost("AutoCAD.Application.15", luprec);
    EXPECT_EQ(load().variables().DP, DP);
  }
}

TEST_F(Startup, DefinesTheArrowBlockInAnEmptyDrawing) {
  runHost("AutoCAD.Application.16");
  load();
  ASSERT_EQ(drawing().blocks().size(), 3u);  // the two spaces and the arrow
  const model::Block& arrow = drawing().blocks()[2];
  EXPECT_EQ(arrow.name, "ArrowX1");
  EXPECT_EQ(arrow.basePoint, Eigen::Vector3d::Zero());
  ASSERT_EQ(arrow.entities.size(), 1u);
  const auto* polyline = std::get_if<model::Polyline3d>(&arrow.entities[0].data);
  ASSERT_TRUE(polyline);
  EXPECT_FALSE(polyline->closed);
  std::vector<Eigen::Vector3d> expected{{0, 0, 0}, {3, 0, 0},      {1.75, 0.5, 0},  {1.75, -0.5, 0},
                                        {3, 0, 0}, {1.75, 0, 0.5}, {1.75, 0, -0.5}, {3, 0, 0}};
  expected.resize(15, Eigen::Vector3d::Zero());
  EXPECT_EQ(polyline->vertices, expected);
}

TEST_F(Startup, AnArrowBlockInAnotherCaseIsKeptAsItIs) {
  model::Document& existing = *runHost("AutoCAD.Application.16")->activeModel();
  existing.addEntity(existing.addBlock("arrowX1", Eigen::Vector3d(1, 2, 3)), model::Line{});
  load();
  load();  // a second start against the same drawing
  ASSERT_EQ(existing.blocks().size(), 3u);
  EXPECT_EQ(existing.blocks()[2].name, "arrowX1");
  EXPECT_EQ(existing.blocks()[2].entities.size(), 1u);
}

TEST_F(Startup, AnExistingMono25GetsTheFontAndBecomesActive) {
  model::Document& existing = *runHost("AutoCAD.Application.16")->activeModel();
  const model::StyleIndex style = existing.addTextStyle("mono25");
  existing.setTextStyle(style, {"mono25", "romans.shx", 2.5});
  const std::size_t styles = existing.textStyles().size();
  load();
  EXPECT_EQ(existing.activeTextStyle(), style);
  EXPECT_EQ(existing.textStyles()[style].fontFile, "monotxt.shx");
  EXPECT_EQ(existing.textStyles()[style].height, 2.5);  // the height is the drawing's
  EXPECT_EQ(existing.textStyles().size(), styles);
}

}  // namespace
