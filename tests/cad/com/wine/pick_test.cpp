// The Pick command's calls: two point requests without a base point, each translated into
// the current UCS with the codes as 32-bit and the displacement flag as 16-bit integers.

#include "cad/com/com_launcher.h"
#include "standin_process.h"
#include "test_support.h"

TEST_CASE(pickTranslatesBothPointsIntoTheUcs) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  dialog.form.Form_Load();
  CallRecord record;

  dialog.form.cmdPickDevs_Click();

  CHECK_SIGNATURES(
      record.calls(),
      {"Utility.GetPoint METHOD ERROR:DISP_E_PARAMNOTFOUND BSTR:\"From Design Point \"",
       "Utility.TranslateCoordinates METHOD R8[3] I4:0 I4:1 I2:0",
       "Utility.GetPoint METHOD ERROR:DISP_E_PARAMNOTFOUND BSTR:\"To Survey Point \"",
       "Utility.TranslateCoordinates METHOD R8[3] I4:0 I4:1 I2:0"});
  // World (10.5, 20.25, 3) to (11.5, 18.25, 3.125): (1, -2, 0.125) in the world is
  // (-2, -1, 0.125) along the axes of a UCS turned a quarter about Z, shown at the drawing's
  // precision of 4 decimals.
  CHECK_EQ(dialog.form.Text("txtXerr"), "-2.0000");
  CHECK_EQ(dialog.form.Text("txtYerr"), "-1.0000");
  CHECK_EQ(dialog.form.Text("txtZerr"), "0.1250");
  CHECK_TRUE(dialog.shown.changes == (std::vector<std::string>{"Hide", "Show"}));
}

TEST_CASE(aGivenBasePointCrossesAsAPoint) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  CallRecord record;
  connection.utilObj->GetPoint(cad::Point3(1, -2, 0.5), "Next ");
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_TRUE(calls.size() == 1 && calls[0].arguments.size() == 2 &&
             calls[0].arguments[0] == recordedPoint(1, -2, 0.5));
}

// That a displacement ignores the origin is checked for every backend by the cad:: member suite
// (tests/cad/conformance/ucs_members_test.cpp), run here by kestova_com_member_tests.
