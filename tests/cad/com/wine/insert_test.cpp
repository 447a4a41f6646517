// The real Insert command run from the loaded dialog against the stand-in through the COM
// backend: every call it makes reaches the CAD program with the argument types the object
// model takes, the points and the matrix arrive exactly, and a cancelled pick ends the command.

#include "cad/com/com_launcher.h"
#include "standin/protocol.h"
#include "standin_process.h"
#include "test_support.h"

namespace {

const double kPi = 3.141592653589;
// The stand-in's UCS matrix: X along world Y, Y along world -X, origin (100, 200, 5).
const std::string kUcsMatrix = "R8[4x4]:0,-1,0,100,1,0,0,200,0,0,1,5,0,0,0,1";
const std::string kPickPrompt = "ERROR:DISP_E_PARAMNOTFOUND BSTR:";
const std::string kToUcs = "Utility.TranslateCoordinates METHOD R8[3] I4:0 I4:1 I2:0";
const std::string kToWorld = "Utility.TranslateCoordinates METHOD R8[3] I4:1 I4:0 I2:0";

std::string arrowInsert(double rotation) {
  return "ModelSpace.InsertBlock METHOD R8[3] BSTR:\"ARROWX1\" R8:2 R8:2 R8:2 R8:" +
         number(rotation);
}

std::string pick(const std::string& prompt) {
  return "Utility.GetPoint METHOD " + kPickPrompt + "\"" + prompt + "\"";
}

// Each entity is placed with exactly the matrix GetUCSMatrix gave.
void checkEveryPlacementUses(const std::string& matrix, const std::vector<RecordedCall>& calls) {
  int placements = 0;
  bool allUcs = true;
  for (const RecordedCall& call : calls) {
    if (call.member != "TransformBy") continue;
    ++placements;
    allUcs = allUcs && call.arguments.size() == 1 && call.arguments[0] == matrix;
  }
  CHECK_TRUE(placements > 0 && allUcs);
}

}  // namespace

TEST_CASE(insertGroupedUnderANamedUcs) {
  RunningStandIn release17(17, {L"--ucs-name", L"Site", L"--block", L"ArrowX1"});
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  dialog.form.Form_Load();
  dialog.form.SetText("txtTextHgt", "2");
  dialog.form.SetText("txtXerr", "-0.012");
  dialog.form.SetText("txtYerr", "0.5");
  dialog.form.SelectOption("optZVector");  // X, Y and Z ticked and Grouped, as designed
  CallRecord record;

  dialog.form.cmdInsert_Click();

  const std::vector<RecordedCall> calls = record.calls();
  CHECK_SIGNATURES(calls, {"Document.GetVariable METHOD BSTR:\"UCSNAME\"",
                           "Document.ActiveUCS GET",
                           "UCS.Name GET",
                           "UCS.GetUCSMatrix METHOD",
                           pick("Insert Point "),
                           kToUcs,
                           kToWorld,
                           arrowInsert(kPi),
                           "BlockReference.TransformBy METHOD R8[4x4]",
                           "ModelSpace.AddText METHOD BSTR:\"0.012\" R8[3] R8:2",
                           "Text.TransformBy METHOD R8[4x4]",
                           arrowInsert(kPi / 2),
                           "BlockReference.TransformBy METHOD R8[4x4]",
                           "ModelSpace.AddText METHOD BSTR:\"0.5\" R8[3] R8:2",
                           "Text.TransformBy METHOD R8[4x4]",
                           arrowInsert(kPi / 2),
                           "BlockReference.TransformBy METHOD R8[4x4]",
                           "BlockReference.Rotate3D METHOD R8[3] R8[3] R8:" + number(kPi / 2),
                           arrowInsert(3 * kPi / 2),
                           "BlockReference.TransformBy METHOD R8[4x4]",
                           "BlockReference.Rotate3D METHOD R8[3] R8[3] R8:" + number(kPi / 2),
                           "ModelSpace.AddText METHOD BSTR:\"0\" R8[3] R8:2",
                           "Text.TransformBy METHOD R8[4x4]",
                           "Text.Rotate3D METHOD R8[3] R8[3] R8:" + number(kPi / 2),
                           pick("Leader to Point "),
                           kToUcs,
                           "ModelSpace.AddLine METHOD R8[3] R8[3]",
                           "Line.TransformBy METHOD R8[4x4]"});
  CHECK_TRUE(dialog.shown.changes == (std::vector<std::string>{"Hide", "Show"}));
  if (calls.size() != 28) return;
  CHECK_EQ(calls[1].result.substr(0, 13), "DISPATCH:UCS#");
  CHECK_EQ(calls[3].result, kUcsMatrix);
  checkEveryPlacementUses(kUcsMatrix, calls);
  // The first pick (10.5, 20.25, 3) is (-179.75, 89.5, -2) in the UCS; the point one unit
  // along the UCS X axis from it is (10.5, 21.25, 3) in the world.
  CHECK_EQ(calls[4].result, recordedPoint(10.5, 20.25, 3));
  CHECK_EQ(calls[5].result, recordedPoint(-179.75, 89.5, -2));
  CHECK_EQ(calls[6].arguments[0], recordedPoint(-178.75, 89.5, -2));
  CHECK_EQ(calls[6].result, recordedPoint(10.5, 21.25, 3));
  CHECK_EQ(calls[7].arguments[0], recordedPoint(-179.75, 89.5, -2));
  CHECK_EQ(calls[17].arguments[0], recordedPoint(10.5, 20.25, 3));
  CHECK_EQ(calls[17].arguments[1], recordedPoint(10.5, 21.25, 3));
  // The second pick (11.5, 18.25, 3.125) ends the leader, in UCS coordinates.
  CHECK_EQ(calls[26].arguments[0], recordedPoint(-179.75, 89.5, -2));
  CHECK_EQ(calls[26].arguments[1], recordedPoint(-181.75, 88.5, -1.875));
}

TEST_CASE(insertSeparatelyWithABubbleUnderAnUnnamedUcs) {
  RunningStandIn release16(16, {L"--block", L"ArrowX1"});
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  dialog.form.Form_Load();
  dialog.form.SetText("txtTextHgt", "2");
  dialog.form.SetText("txtXerr", "0.25");
  dialog.form.SetText("txtZerr", "0.005");
  dialog.form.SetCheckValue("chkYdev", 0);
  dialog.form.SelectOption("optInSeperatly");  // the Z bubble as designed
  CallRecord record;

  dialog.form.cmdInsert_Click();

  const std::vector<RecordedCall> calls = record.calls();
  CHECK_SIGNATURES(calls,
                   {"Document.GetVariable METHOD BSTR:\"UCSNAME\"",
                    "Document.GetVariable METHOD BSTR:\"UCSORG\"",
                    "Document.GetVariable METHOD BSTR:\"UCSXDIR\"",
                    "Document.GetVariable METHOD BSTR:\"UCSYDIR\"",
                    "Document.UserCoordinateSystems GET",
                    "UserCoordinateSystems.Add METHOD R8[3] R8[3] R8[3] BSTR:\"OriginalUCS\"",
                    "UCS.Name GET",
                    "UCS.GetUCSMatrix METHOD",
                    pick("X Dev Insert Point "),
                    kToUcs,
                    arrowInsert(0),
                    "BlockReference.TransformBy METHOD R8[4x4]",
                    "ModelSpace.AddText METHOD BSTR:\"0.25\" R8[3] R8:2",
                    "Text.TransformBy METHOD R8[4x4]",
                    pick("Z Dev Insert Point "),
                    kToUcs,
                    "ModelSpace.AddText METHOD BSTR:\"+0.005\" R8[3] R8:2",
                    "Text.TransformBy METHOD R8[4x4]",
                    "ModelSpace.AddEllipse METHOD R8[3] R8[3] R8:" + number(1.5 / 7),
                    "Ellipse.TransformBy METHOD R8[4x4]"});
  CHECK_TRUE(dialog.shown.changes == (std::vector<std::string>{"Hide", "Show"}));
  if (calls.size() != 20) return;
  CHECK_EQ(calls[0].result, "BSTR:\"\"");
  CHECK_EQ(calls[1].result, recordedPoint(100, 200, 5));
  CHECK_EQ(calls[6].result, "BSTR:\"OriginalUCS\"");
  CHECK_EQ(calls[7].result.substr(0, 8), "R8[4x4]:");
  checkEveryPlacementUses(calls[7].result, calls);
  CHECK_EQ(calls[10].arguments[0], calls[9].result);
  CHECK_EQ(calls[16].arguments[1], calls[15].result);
}

TEST_CASE(aCancelledInsertPointEndsTheCommandWithNothingDrawn) {
  RunningStandIn release19(19, {L"--cancel-picks", L"--ucs-name", L"Site"});
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  dialog.form.Form_Load();
  dialog.form.SetText("txtTextHgt", "2");
  dialog.form.SetText("txtXerr", "1");
  dialog.form.SetCheckValue("chkYdev", 0);
  dialog.form.SetCheckValue("chkZdev", 0);
  CallRecord record;

  const cad::AutomationError error = failureOf([&] { dialog.form.cmdInsert_Click(); });

  CHECK_EQ(error.number(), static_cast<long>(standin::kPickCancelled));
  CHECK_EQ(error.description(), std::string(standin::kPickCancelledText));
  CHECK_TRUE(dialog.shown.changes == std::vector<std::string>{"Hide"});
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_TRUE(!calls.empty() && calls.back().member == "GetPoint" &&
             calls.back().result.rfind("FAILED", 0) == 0);
  bool drew = false;
  for (const RecordedCall& call : calls) drew = drew || call.objectKind() == "ModelSpace";
  CHECK_TRUE(!drew);
}
