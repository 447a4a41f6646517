// Undo as a CAD user expects it: one UNDO takes back a whole Insert made in a turned UCS at a
// real site, start-up's preparation of the drawing is no step and no change, Pick changes
// nothing; and QUIT ends the program, asking about unsaved drawings first.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "host/view/command_line.h"
#include "host/view/drawing_view.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
#include "user_session.h"

namespace e2e {
namespace {

using Eigen::Vector3d;

// A site in national grid coordinates, 45 m above the datum, its UCS turned 30 degrees.
host::geom::Frame siteFrame() {
  const double turn = std::numbers::pi / 6;
  return host::geom::Frame::fromDirections({2'512'340.5, 5'704'118.25, 45},
                                           {std::cos(turn), std::sin(turn), 0},
                                           {-std::sin(turn), std::cos(turn), 0});
}

const Vector3d kDesign{10, 20, 0}, kSurvey{10.25, 19.9, 0.04};

class UndoAndQuit : public testing::Test {
 protected:
  void SetUp() override {
    site.ucs.frame = siteFrame();
    site.points = {site.ucs.frame.pointToWorld(kDesign), site.ucs.frame.pointToWorld(kSurvey)};
    writeSiteDrawing(site, session.path("site.dxf").toStdString());
  }

  host::model::Document& drawing() const { return *session.drawingView().document(); }
  std::size_t entities() const {
    return drawing().blocks()[host::model::BlockTable::kModelSpace].entities.size();
  }
  QString history() const { return session.cadWindow().commandLine()->history(); }

  SiteDrawing site;
  UserSession session;
};

TEST_F(UndoAndQuit, OneUndoTakesBackAWholeInsertAndLeavesNothingHalfPlaced) {
  const int exitCode = session.run({"kestova", session.path("site.dxf")}, [&] {
    // Start-up defined the label style and the arrow block: part of opening, not a change.
    EXPECT_FALSE(drawing().modified());
    EXPECT_FALSE(drawing().canUndo());

    session.onPrompt("From Design Point ", [&] { session.clickAt(site.points[0]); });
    session.onPrompt("To Survey Point ", [&] { session.clickAt(site.points[1]); });
    session.click("cmdPickDevs");
    EXPECT_FALSE(drawing().canUndo()) << "Pick changes nothing";

    const std::size_t before = entities();
    session.onPrompt("Insert Point ", [&] { session.typeLine("14,24"); });
    session.onPrompt("Leader to Point ", [&] { session.clickAt(site.points[0]); });
    session.click("cmdInsert");
    ASSERT_GT(entities(), before + 5);
    // Every piece of it stands at the site, not at its UCS coordinates read as world ones.
    for (const auto& entity : drawing().blocks()[host::model::BlockTable::kModelSpace].entities) {
      if (const auto* insert = std::get_if<host::model::BlockReference>(&entity.data)) {
        EXPECT_LT((insert->placement.translation() - site.points[0]).norm(), 100.0);
      }
    }

    session.typeLine("UNDO");
    EXPECT_EQ(entities(), before);
    EXPECT_TRUE(history().contains("Undo Insert"));
    EXPECT_FALSE(drawing().modified()) << "back where the drawing was opened";
    EXPECT_FALSE(drawing().canUndo());

    session.typeLine("REDO");
    EXPECT_GT(entities(), before + 5);
    EXPECT_TRUE(history().contains("Redo Insert"));
    session.typeLine("U");
    EXPECT_EQ(entities(), before);
  });
  EXPECT_EQ(exitCode, 0);
  EXPECT_FALSE(session.messages().join("\n").contains("Save changes"))
      << "an unchanged drawing closes without asking";
}

TEST_F(UndoAndQuit, QuitAsksAboutTheDrawingAndEndsTheProgram) {
  const int exitCode = session.run({"kestova", session.path("site.dxf")}, [&] {
    session.typeLine("POINT 1,2");
    ASSERT_TRUE(drawing().modified());
    session.typeLine("QUIT");
    EXPECT_FALSE(session.dialogVisible()) << "the main dialog closes with the program";
  });
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(session.messages().filter("Save changes to site.dxf?").size(), 1);
}

}  // namespace
}  // namespace e2e
