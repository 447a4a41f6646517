#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cad/automation_error.h"
#include "insert/insert_command.h"
#include "recording_fixture.h"

namespace {

using Lines = std::vector<std::string>;

bool contains(const Lines& lines, const std::string& prefix) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

// The user answers `answered` point requests and cancels the next one.
struct CancelCase {
  const char* name;
  bool grouped;
  int answered;
  std::string cancelledPrompt;
  int entitiesLeft;
};

void PrintTo(const CancelCase& c, std::ostream* os) {
  *os << c.name;
}

class CancelAtPrompt : public RecordingRun, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(CancelAtPrompt, StopsThereKeepingWhatWasDrawnAndLeavesTheDialogHidden) {
  const CancelCase& c = GetParam();
  drawing->currentUcs.name = "_ActiveTemp";  // a finished run would delete it
  dialog.grouped(c.grouped);
  dialog.texts = {{"txtTextHgt", "1"}, {"txtXerr", "1"}, {"txtYerr", "1"}, {"txtZerr", "1"}};
  for (int i = 0; i < c.answered; ++i) drawing->picks.push_back(cad::Point3(i, 0, 0));
  drawing->picks.push_back(std::nullopt);

  EXPECT_THROW(insert::cmdInsert_Click(dialog, vars), cad::AutomationError);

  EXPECT_EQ(log.lines.back(), "GetPoint missing \"" + c.cancelledPrompt + "\"");
  EXPECT_EQ(static_cast<int>(creations().size()), c.entitiesLeft);
  EXPECT_FALSE(contains(log.lines, "AddLine"));
  EXPECT_FALSE(contains(log.lines, "UCS.Delete"));
  EXPECT_FALSE(dialog.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Prompts, CancelAtPrompt,
    ::testing::Values(CancelCase{"GroupedInsertPoint", true, 0, "Insert Point ", 0},
                      CancelCase{"GroupedLeader", true, 1, "Leader to Point ", 6},
                      CancelCase{"SeparateX", false, 0, "X Dev Insert Point ", 0},
                      CancelCase{"SeparateY", false, 1, "Y Dev Insert Point ", 2},
                      CancelCase{"SeparateZ", false, 2, "Z Dev Insert Point ", 4}),
    [](const auto& info) { return std::string(info.param.name); });

class Failure : public RecordingRun {};

TEST_F(Failure, FailingLabelLeavesTheArrowWithoutItAndPassesTheErrorOn) {
  dialog.texts = {{"txtTextHgt", "2"}, {"txtXerr", "1"}};
  drawing->picks = {cad::Point3(1, 1, 0), cad::Point3(2, 2, 0)};
  log.failingCall = "AddText";
  try {
    insert::cmdInsert_Click(dialog, vars);
    FAIL() << "the failing label should end the command";
  } catch (const cad::AutomationError& e) {
    EXPECT_EQ(e.description(), "Injected failure");
  }
  EXPECT_EQ(creations(), (Lines{"InsertBlock (1,1,0) ARROWX1 2 2 2 0 -> e1"}));
  EXPECT_FALSE(dialog.visible);
}

TEST_F(Failure, UnreadableTextHeightStopsBeforeAnything) {
  dialog.texts["txtTextHgt"] = "1e400";
  try {
    insert::cmdInsert_Click(dialog, vars);
    FAIL() << "a height beyond a double should fail";
  } catch (const cad::AutomationError& e) {
    EXPECT_EQ(e.number(), 6);
  }
  EXPECT_TRUE(log.lines.empty());
  EXPECT_TRUE(dialog.visible);
}

TEST_F(Failure, LabelPositionBeyondADoubleIsOverflowBeforeTheArrow) {
  dialog.texts = {{"txtTextHgt", "1e308"}, {"txtXerr", "1"}};
  drawing->picks = {cad::Point3(0, 0, 0)};
  try {
    insert::cmdInsert_Click(dialog, vars);
    FAIL() << "3.5 text heights beyond a double should fail";
  } catch (const cad::AutomationError& e) {
    EXPECT_EQ(e.number(), 6);
    EXPECT_EQ(e.description(), "Overflow");
  }
  EXPECT_TRUE(creations().empty());
}

// With a text height of 0 the bubble's radius ratio is 0/0: the label is already drawn, the
// ellipse is not.
TEST_F(Failure, ZeroHeightBubbleFailsAfterItsLabel) {
  dialog.checks = {{"chkZdev", 1}};
  dialog.options["optZBubble"] = true;
  dialog.texts = {{"txtTextHgt", "0"}, {"txtZerr", "0.5"}};
  drawing->picks = {cad::Point3(0, 0, 0), cad::Point3(1, 1, 0)};
  try {
    insert::cmdInsert_Click(dialog, vars);
    FAIL() << "0/0 should fail";
  } catch (const cad::AutomationError& e) {
    EXPECT_EQ(e.number(), 6);
  }
  EXPECT_EQ(creations(), (Lines{"AddText \"+0.5\" (0,0,0) 0 -> e1"}));
  EXPECT_EQ(log.lines.back(), "e1.TransformBy ucsMatrix");
}

}  // namespace
