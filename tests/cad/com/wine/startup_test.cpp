// The dialog's real start-up (Form_Load) through the COM backend, as its calls reach the CAD
// program: argument types, the text style handed back as an object, the block table enumerated
// through _NewEnum, the arrow block's vertex list as one array.

#include "cad/com/com_launcher.h"
#include "standin_process.h"
#include "test_support.h"

TEST_CASE(startUpReachesTheDrawingWithTheTypesTheCadProgramTakes) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  CallRecord record;

  dialog.form.Form_Load();

  CHECK_TRUE(dialog.messages.questions.empty() && dialog.messages.informed.empty());
  CHECK_EQ(dialog.form.variables().DP, std::string("###0.0000"));
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_SIGNATURES(
      calls,
      {"Application.ActiveDocument GET", "Document.ModelSpace GET", "Document.Utility GET",
       "Application.Visible PUT BOOL:true", "Document.GetVariable METHOD BSTR:\"LUPREC\"",
       "Document.TextStyles GET", "TextStyles.Add METHOD BSTR:\"mono25\"",
       "TextStyle.fontFile PUT BSTR:\"monotxt.shx\"",
       "Document.ActiveTextStyle PUTREF DISPATCH:TextStyle",
       "Document.ActiveTextStyle PUT DISPATCH:TextStyle", "Document.Blocks GET",
       "Blocks._NewEnum METHOD|GET", "Block.Name GET", "Block.Name GET", "Document.Blocks GET",
       "Blocks.Add METHOD R8[3] BSTR:\"ArrowX1\"", "Block.Add3DPoly METHOD R8[45]"});
  if (calls.size() != 17) return;
  CHECK_EQ(calls[0].release, 16);
  CHECK_EQ(calls[4].result, "I2:4");
  // The style is put as the object Add returned; the by-reference put is refused by a
  // property declared for assignment by value, and the put by value follows.
  CHECK_EQ(valueOf(calls[8].arguments[0]), calls[6].result.substr(9));
  CHECK_EQ(calls[8].result.substr(0, 8), "REJECTED");
  CHECK_EQ(valueOf(calls[9].arguments[0]), calls[6].result.substr(9));
  CHECK_EQ(calls[15].arguments[0], recordedPoint(0, 0, 0));
  CHECK_EQ(calls[16].arguments[0],
           "R8[45]:0,0,0,3,0,0,1.75,0.5,0,1.75,-0.5,0,3,0,0,1.75,0,0.5,1.75,0,-0.5,3,0,0,"
           "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  CHECK_EQ(dialog.form.variables().acadDoc->ActiveTextStyle()->fontFile(), "monotxt.shx");
}

TEST_CASE(startUpKeepsAnArrowBlockOfAnotherCase) {
  RunningStandIn release16(16, {L"--block", L"arrowx1"});
  auto launcher = cad::com::makeLauncher();
  Dialog dialog(*launcher);
  CallRecord record;
  dialog.form.Form_Load();
  bool defined = false;
  for (const RecordedCall& call : record.calls()) defined = defined || call.member == "Add3DPoly";
  CHECK_TRUE(!defined);
}

// That blocks are enumerated in the collection's own order is checked for every backend by the
// cad:: member suite (tests/cad/conformance/table_members_test.cpp), run here by
// kestova_com_member_tests.

TEST_CASE(textsCrossTheInterfaceAsUnicode) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  CallRecord record;

  const cad::Ref<cad::TextStyle> style = connection.acadDoc->TextStyles()->Add("Straße");
  style->fontFile("schrift-ä€𝄞.shx");
  CHECK_EQ(style->fontFile(), "schrift-ä€𝄞.shx");
  connection.moSpace->AddText("Ø 0.5", cad::Point3(1, 2, 3), 2.5);

  const std::vector<RecordedCall> calls = record.calls();
  CHECK_SIGNATURES(calls,
                   {"Document.TextStyles GET", "TextStyles.Add METHOD BSTR:\"Straße\"",
                    "TextStyle.fontFile PUT BSTR:\"schrift-ä€𝄞.shx\"", "TextStyle.fontFile GET",
                    "ModelSpace.AddText METHOD BSTR:\"Ø 0.5\" R8[3] R8:2.5"});
  CHECK_TRUE(calls.size() == 5 && calls[4].arguments[1] == recordedPoint(1, 2, 3));
}

TEST_CASE(theMatrixCrossesRowIndexFirst) {
  RunningStandIn release16(16, {L"--ucs-name", L"Site"});
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  CallRecord record;

  // The stand-in's UCS is turned a quarter about Z and has its origin at (100, 200, 5).
  const cad::Matrix4 ucs = connection.acadDoc->ActiveUCS()->GetUCSMatrix();
  CHECK_EQ(ucs(0, 3), 100.0);
  CHECK_EQ(ucs(1, 3), 200.0);
  CHECK_EQ(ucs(2, 3), 5.0);
  CHECK_EQ(ucs(1, 0), 1.0);
  CHECK_EQ(ucs(0, 1), -1.0);
  CHECK_EQ(ucs(3, 3), 1.0);

  // Each element tells its place; the diagonal's hundreds keep the matrix regular, as the CAD
  // program takes only matrices it can undo.
  cad::Matrix4 numbered;
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      numbered(row, column) = 10 * row + column + (row == column ? 100 : 0);
    }
  }
  connection.moSpace->AddLine(cad::Point3::Zero(), cad::Point3::UnitX())->TransformBy(numbered);
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_TRUE(!calls.empty() && calls.back().arguments ==
                                   std::vector<std::string>{
                                       "R8[4x4]:100,1,2,3,10,111,12,13,20,21,122,23,30,31,32,133"});
}
