// Start-up against the in-memory CAD host, checked in the drawing it leaves.
#include <gtest/gtest.h>

#include "host_fixture.h"

namespace {

namespace model = host::model;
using apptest::HostFixture;

constexpr const char* kQuestion = "AutoCad not running. Attempt start?";

// The block definitions of a drawing whose name is ArrowX1 in any case.
std::vector<const model::Block*> arrowBlocks(const model::Document& drawing) {
  std::vector<const model::Block*> found;
  for (std::size_t i = 0; i < drawing.blocks().size(); ++i) {
    std::string name = drawing.blocks()[i].name;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (name == "ARROWX1") found.push_back(&drawing.blocks()[i]);
  }
  return found;
}

using HostStartup = HostFixture;

TEST_F(HostStartup, AttachesToTheLowerOfTwoRunningReleases) {
  auto release16 = runHost("AutoCAD.Application.16");
  auto release18 = runHost("AutoCAD.Application.18");
  app::frmKestova& form = loadOnHost();
  EXPECT_TRUE(messages.questions.empty());
  EXPECT_EQ(&drawing(), release16->activeModel().get());
  EXPECT_TRUE(release16->Visible());
  EXPECT_FALSE(release18->Visible());
  EXPECT_EQ(form.variables().DP, "###0.0000");
}

TEST_F(HostStartup, AttachesToRelease20WhenOnlyItRuns) {
  auto release20 = runHost("AutoCAD.Application.20");
  loadOnHost();
  EXPECT_TRUE(messages.questions.empty());
  EXPECT_EQ(&drawing(), release20->activeModel().get());
}

TEST_F(HostStartup, StartsANewHostWhenTheUserAgrees) {
  app::frmKestova& form = loadOnHost();
  EXPECT_EQ(messages.questions, std::vector<std::string>{kQuestion});
  EXPECT_TRUE(messages.informed.empty());
  ASSERT_TRUE(started);
  EXPECT_TRUE(hostLauncher->running().count("AutoCAD.Application.16"));
  EXPECT_TRUE(started->Visible());
  EXPECT_EQ(&drawing(), started->activeModel().get());
  EXPECT_EQ(form.variables().DP, "###0.0000");
  EXPECT_EQ(arrowBlocks(drawing()).size(), 1u);  // start-up ran to its last step
}

TEST_F(HostStartup, AFailedStartIsReportedOnceAndLeavesTheDialogUnconnected) {
  startable = false;
  settings.entries["Kestova/startup/Height"] = "2.5";
  app::frmKestova& form = loadOnHost();
  // The start fails, and so do the reads through the missing application after it; the last
  // of them is reported.
  EXPECT_EQ(messages.informed, std::vector<std::string>{cad::objectNotSetError().description()});
  EXPECT_FALSE(form.variables().acadApp);
  EXPECT_FALSE(form.variables().utilObj);
  EXPECT_EQ(form.variables().DP, "");
  EXPECT_EQ(form.Text("txtTextHgt"), "1");
  EXPECT_TRUE(settings.written.empty());
}

TEST_F(HostStartup, AnsweringNoLeavesTheDialogUnconnectedWithoutAMessage) {
  messages.answerYes = false;
  settings.entries["Kestova/startup/Height"] = "2.5";
  app::frmKestova& form = loadOnHost();
  EXPECT_FALSE(started);
  EXPECT_TRUE(messages.informed.empty());
  EXPECT_FALSE(form.variables().acadDoc);
  EXPECT_EQ(form.variables().DP, "###0");
  EXPECT_EQ(form.Text("txtTextHgt"), " 2.5");
  EXPECT_EQ(settings.height(), "2.5");
}

TEST_F(HostStartup, DefinesTheArrowBlockInAnEmptyDrawing) {
  runHost("AutoCAD.Application.16");
  loadOnHost();
  const auto arrows = arrowBlocks(drawing());
  ASSERT_EQ(arrows.size(), 1u);
  EXPECT_EQ(arrows[0]->name, "ArrowX1");
  EXPECT_EQ(arrows[0]->basePoint, Eigen::Vector3d::Zero());
  ASSERT_EQ(arrows[0]->entities.size(), 1u);
  const auto* polyline = std::get_if<model::Polyline3d>(&arrows[0]->entities[0].data);
  ASSERT_NE(polyline, nullptr);
  EXPECT_FALSE(polyline->closed);
  const std::vector<Eigen::Vector3d> head{{0, 0, 0},       {3, 0, 0}, {1.75, 0.5, 0},
                                          {1.75, -0.5, 0}, {3, 0, 0}, {1.75, 0, 0.5},
                                          {1.75, 0, -0.5}, {3, 0, 0}};
  ASSERT_EQ(polyline->vertices.size(), 15u);
  for (std::size_t i = 0; i < 15; ++i) {
    EXPECT_EQ(polyline->vertices[i], i < head.size() ? head[i] : Eigen::Vector3d::Zero()) << i;
  }
}

TEST_F(HostStartup, AnArrowBlockInAnotherCaseIsKeptAsItIs) {
  auto application = runHost("AutoCAD.Application.16");
  model::Document& existing = *application->activeModel();
  const model::BlockIndex block = existing.addBlock("arrowX1", Eigen::Vector3d(1, 2, 3));
  existing.addEntity(block, model::Line{});
  loadOnHost();
  loadOnHost();  // a second start against the same drawing
  const auto arrows = arrowBlocks(existing);
  ASSERT_EQ(arrows.size(), 1u);
  EXPECT_EQ(arrows[0]->name, "arrowX1");
  EXPECT_EQ(arrows[0]->basePoint, Eigen::Vector3d(1, 2, 3));
  EXPECT_EQ(arrows[0]->entities.size(), 1u);
}

TEST_F(HostStartup, AnExistingMono25GetsTheFontAndBecomesActive) {
  auto application = runHost("AutoCAD.Application.16");
  model::Document& existing = *application->activeModel();
  const model::StyleIndex style = existing.addTextStyle("mono25");
  existing.setTextStyle(style, {"mono25", "romans.shx", 2.5});
  loadOnHost();
  const std::size_t stylesAfterStart = existing.textStyles().size();
  EXPECT_EQ(existing.activeTextStyle(), style);
  EXPECT_EQ(existing.textStyles()[style].fontFile, "monotxt.shx");
  EXPECT_EQ(existing.textStyles()[style].height, 2.5);  // the style's height is left alone
  loadOnHost();
  EXPECT_EQ(existing.textStyles().size(), stylesAfterStart);
}

TEST_F(HostStartup, DrawsIntoModelSpaceWhileThePaperLayoutIsActive) {
  auto application = runHost("AutoCAD.Application.16");
  model::HeaderVariables header;
  header.tilemode = false;
  application->activeModel()->setHeader(header);
  app::frmKestova& form = loadOnHost();
  form.variables().moSpace->AddLine(cad::Point3(0, 0, 0), cad::Point3(1, 0, 0));
  EXPECT_EQ(drawing().blocks()[model::BlockTable::kModelSpace].entities.size(), 1u);
  EXPECT_TRUE(drawing().blocks()[model::BlockTable::kPaperSpace].entities.empty());
}

}  // namespace
