#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "insert/insert_command.h"
#include "recording_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class CallOrder : public RecordingRun {};

// An unnamed UCS turned a quarter turn about world Z and moved: its X axis runs along world Y.
TEST_F(CallOrder, GroupedRunUnderAnUnnamedUcs) {
  drawing->currentUcs = {"", {10, 20, 5}, {0, 1, 0}, {-1, 0, 0}};
  dialog.texts = {{"txtTextHgt", "2"}, {"txtXerr", "-0.012"}, {"txtYerr", "0.5"}, {"txtZerr", "0"}};
  drawing->picks = {cad::Point3(10, 25, 5), cad::Point3(10, 30, 5)};

  insert::cmdInsert_Click(dialog, vars);

  const Lines expected = {
      "GetVariable UCSNAME",
      "GetVariable UCSORG",
      "GetVariable UCSXDIR",
      "GetVariable UCSYDIR",
      "UserCoordinateSystems.Add (10,20,5) (10,21,5) (9,20,5) OriginalUCS",
      "UCS.Name",
      "UCS.GetUCSMatrix",
      "Hide",
      "GetPoint missing \"Insert Point \"",
      "TranslateCoordinates (10,25,5) 0 1 0",
      "TranslateCoordinates (6,0,0) 1 0 0",
      // X: negative, the label ends half a height beyond the tip.
      "InsertBlock (5,0,0) ARROWX1 2 2 2 3.141592653589 -> e1",
      "e1.TransformBy ucsMatrix",
      "AddText \"0.012\" (-12,-1,0) 2 -> e2",
      "e2.TransformBy ucsMatrix",
      // Y: positive.
      "InsertBlock (5,0,0) ARROWX1 2 2 2 1.5707963267945 -> e3",
      "e3.TransformBy ucsMatrix",
      "AddText \"0.5\" (4,7,0) 2 -> e4",
      "e4.TransformBy ucsMatrix",
      // Z arrow of a zero deviation: two arrows, each stood up about the UCS X axis.
      "InsertBlock (5,0,0) ARROWX1 2 2 2 1.5707963267945 -> e5",
      "e5.TransformBy ucsMatrix",
      "e5.Rotate3D (10,25,5) (10,26,5) 1.5707963267945",
      "InsertBlock (5,6,0) ARROWX1 2 2 2 4.7123889803834995 -> e6",
      "e6.TransformBy ucsMatrix",
      "e6.Rotate3D (10,25,5) (10,26,5) 1.5707963267945",
      "AddText \"0\" (4,7,0) 2 -> e7",
      "e7.TransformBy ucsMatrix",
      "e7.Rotate3D (10,25,5) (10,26,5) 1.5707963267945",
      "GetPoint missing \"Leader to Point \"",
      "TranslateCoordinates (10,30,5) 0 1 0",
      "AddLine (5,0,0) (10,0,0) -> e8",
      "e8.TransformBy ucsMatrix",
      "Show",
  };
  EXPECT_EQ(log.lines, expected);
  EXPECT_EQ(vars.PickPnt1, cad::Point3(10, 0, 0));  // the leader point, in the UCS
  EXPECT_EQ(vars.PickPnt2, cad::Point3(10, 26, 5));
}

TEST_F(CallOrder, SeparateRunUnderANamedTemporaryUcs) {
  drawing->currentUcs.name = "_ActiveTemp";
  dialog.grouped(false);
  dialog.texts = {
      {"txtTextHgt", "1"}, {"txtXerr", "0.25"}, {"txtYerr", "-0.5"}, {"txtZerr", "-0.025"}};
  drawing->picks = {cad::Point3(1, 1, 0), cad::Point3(2, 2, 0), cad::Point3(3, 3, 1)};

  insert::cmdInsert_Click(dialog, vars);

  const Lines expected = {
      "GetVariable UCSNAME",
      "ActiveUCS",
      "UCS.Name",
      "UCS.GetUCSMatrix",
      "Hide",
      "GetPoint missing \"X Dev Insert Point \"",
      "TranslateCoordinates (1,1,0) 0 1 0",
      "InsertBlock (1,1,0) ARROWX1 1 1 1 0 -> e1",
      "e1.TransformBy ucsMatrix",
      "AddText \"0.25\" (4.5,0.5,0) 1 -> e2",
      "e2.TransformBy ucsMatrix",
      "GetPoint missing \"Y Dev Insert Point \"",
      "TranslateCoordinates (2,2,0) 0 1 0",
      "InsertBlock (2,2,0) ARROWX1 1 1 1 4.7123889803834995 -> e3",
      "e3.TransformBy ucsMatrix",
      "AddText \"0.5\" (1.5,-2.5,0) 1 -> e4",
      "e4.TransformBy ucsMatrix",
      "GetPoint missing \"Z Dev Insert Point \"",
      "TranslateCoordinates (3,3,1) 0 1 0",
      "TranslateCoordinates (4,3,1) 1 0 0",
      "InsertBlock (3,3,1) ARROWX1 1 1 1 4.7123889803834995 -> e5",
      "e5.TransformBy ucsMatrix",
      "e5.Rotate3D (3,3,1) (4,3,1) 1.5707963267945",
      "AddText \"0.025\" (2.5,-1.5,1) 1 -> e6",
      "e6.TransformBy ucsMatrix",
      "e6.Rotate3D (3,3,1) (4,3,1) 1.5707963267945",
      "UCS.Delete _ActiveTemp",
      "Show",
  };
  EXPECT_EQ(log.lines, expected);
  EXPECT_EQ(vars.PickPnt1, cad::Point3(3, 3, 1));
  EXPECT_EQ(vars.PickPnt2, cad::Point3(4, 3, 1));
}

TEST_F(CallOrder, SeparateZBubblePicksItsOwnPointAndNeverTheTurnAxis) {
  dialog.grouped(false);
  dialog.checks["chkXdev"] = dialog.checks["chkYdev"] = 0;
  dialog.options["optZBubble"] = true;
  dialog.texts = {{"txtTextHgt", "2"}, {"txtZerr", "-0.5"}};
  drawing->picks = {cad::Point3(7, 8, 0)};
  vars.PickPnt2 = cad::Point3(-1, -1, -1);  // the survey point of an earlier Pick

  insert::cmdInsert_Click(dialog, vars);

  const Lines expected = {
      "GetPoint missing \"Z Dev Insert Point \"",
      "TranslateCoordinates (7,8,0) 0 1 0",
      "AddText \"-0.5\" (7,8,0) 2 -> e1",
      "e1.TransformBy ucsMatrix",
      "AddEllipse (11,9,0) (5,0,0) 0.3 -> e2",
      "e2.TransformBy ucsMatrix",
      "Show",
  };
  ASSERT_GE(log.lines.size(), 8u);
  EXPECT_EQ(log.lines[7], "Hide");
  EXPECT_EQ(Lines(log.lines.begin() + 8, log.lines.end()), expected);
  EXPECT_EQ(vars.PickPnt2, cad::Point3(-1, -1, -1));
}

TEST_F(CallOrder, NothingTickedGroupedDrawsOnlyTheLeader) {
  dialog.checks = {{"chkXdev", 0}, {"chkYdev", 0}, {"chkZdev", 0}};
  drawing->picks = {cad::Point3(1, 2, 0), cad::Point3(4, 6, 0)};

  insert::cmdInsert_Click(dialog, vars);

  EXPECT_EQ(creations(), Lines{"AddLine (1,2,0) (4,6,0) -> e1"});
  EXPECT_EQ(log.lines.back(), "Show");
}

TEST_F(CallOrder, NothingTickedSeparatelyAsksNothingButStillSavesTheUcs) {
  dialog.checks = {{"chkXdev", 0}, {"chkYdev", 0}, {"chkZdev", 0}};
  dialog.grouped(false);

  insert::cmdInsert_Click(dialog, vars);

  EXPECT_EQ(log.lines.at(4), "UserCoordinateSystems.Add (0,0,0) (1,0,0) (0,1,0) OriginalUCS");
  EXPECT_EQ(Lines(log.lines.end() - 2, log.lines.end()), (Lines{"Hide", "Show"}));
  EXPECT_TRUE(creations().empty());
  EXPECT_FALSE(vars.PickPnt1.has_value());
}

}  // namespace
