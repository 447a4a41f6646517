// Point requests, the Application object and its view of the active drawing.
#include <optional>
#include <string>

#include "cad/conformance/cad_members.h"

namespace conformance {
namespace {

TEST_P(CadMembers, GetPointHandsBackTheUsersPointsInTheWorld) {
  start();
  EXPECT_POINT_NEAR(utility().GetPoint(std::nullopt, "From Design Point "), kPickAnswers[0]);
  EXPECT_POINT_NEAR(utility().GetPoint(cad::Point3(1, -2, 0.5), "To Survey Point "),
                    kPickAnswers[1]);
}

TEST_P(CadMembers, ACancelledPointRequestFails) {
  start(withPicksCancelled());
  EXPECT_THROW(utility().GetPoint(std::nullopt, "Insert Point "), cad::AutomationError);
  EXPECT_THROW(utility().GetPoint(cad::Point3(1, 2, 3), "Leader to Point "), cad::AutomationError);
}

TEST_P(CadApplicationMembers, ActiveDocumentIsTheDrawingShown) {
  start();
  document().Layers()->Add("Survey");
  EXPECT_EQ(application().ActiveDocument()->Layers()->Item("Survey")->Name(), "Survey");
}

// Moved here from the Wine tests' attach tests (a started instance made visible).
TEST_P(CadApplicationMembers, VisibleKeepsWhatItIsGiven) {
  start();
  for (const bool visible : {true, false, true}) {
    application().Visible(visible);
    EXPECT_EQ(application().Visible(), visible);
  }
}

TEST_P(CadApplicationMembers, ZoomWindowTakesTwoCorners) {
  start();
  EXPECT_NO_THROW(application().ZoomWindow({1, 2, 3}, {4.5, 5, 6}));
}

}  // namespace
}  // namespace conformance
