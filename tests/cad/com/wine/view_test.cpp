// ZoomWindow and Highlight through the COM backend: the calls reach the CAD program by name,
// points as arrays of three doubles and the flag as a Boolean, and a deleted entity refuses to
// be highlighted with the program's number.

#include "cad/com/com_launcher.h"
#include "standin/protocol.h"
#include "standin_process.h"
#include "test_support.h"

TEST_CASE(aZoomAndAHighlightAreCalledByName) {
  RunningStandIn release18(18);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 18);
  CallRecord record;
  connection.acadApp->ZoomWindow({1, 2, 3}, {4.5, 5, 6});
  const cad::Ref<cad::Entity> line = connection.moSpace->AddLine({0, 0, 0}, {1, 1, 0});
  line->Highlight(true);
  line->Highlight(false);
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_SIGNATURES(
      calls, {"Application.ZoomWindow METHOD R8[3] R8[3]", "ModelSpace.AddLine METHOD R8[3] R8[3]",
              "Line.Highlight METHOD BOOL:true", "Line.Highlight METHOD BOOL:false"});
  if (!calls.empty() && calls[0].arguments.size() == 2) {
    CHECK_EQ(calls[0].arguments[0], recordedPoint(1, 2, 3));
    CHECK_EQ(calls[0].arguments[1], recordedPoint(4.5, 5, 6));
  }
  line->Delete();
  const cad::AutomationError refused = failureOf([&] { line->Highlight(true); });
  CHECK_EQ(refused.number(), static_cast<long>(standin::kObjectDeleted));
}
