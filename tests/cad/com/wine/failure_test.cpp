// Failures of the CAD program as the program sees them: the error number and text from
// EXCEPINFO, a bare HRESULT, results of the wrong kind, and references released when the last
// shared reference goes.

#include "cad/com/com_launcher.h"
#include "standin/protocol.h"
#include "standin_process.h"
#include "test_support.h"

namespace {

class ForeignStyle : public cad::TextStyle {
 public:
  std::string fontFile() override { return {}; }
  void fontFile(const std::string&) override {}
};

}  // namespace

TEST_CASE(aFailureReportedThroughExcepinfoKeepsItsNumberAndText) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  const cad::AutomationError error =
      failureOf([&] { connection.acadDoc->GetVariable("NOSUCHVAR"); });
  CHECK_EQ(error.number(), static_cast<long>(E_INVALIDARG));
  CHECK_EQ(error.description(), std::string(standin::kUnknownVariableText) + "NOSUCHVAR" +
                                    standin::kUnknownVariableTextEnd);
}

TEST_CASE(aCancelledPickIsAFailure) {
  RunningStandIn release16(16, {L"--cancel-picks"});
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  const cad::AutomationError error =
      failureOf([&] { connection.utilObj->GetPoint(std::nullopt, "From Design Point "); });
  CHECK_EQ(error.number(), static_cast<long>(standin::kPickCancelled));
  CHECK_EQ(error.description(), std::string(standin::kPickCancelledText));
}

TEST_CASE(aBareHresultBecomesTheErrorNumber) {
  RunningStandIn release16(16, {L"--ucs-name", L"_Active"});
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  const cad::Ref<cad::UCS> ucs = connection.acadDoc->ActiveUCS();
  ucs->Delete();
  const cad::AutomationError error = failureOf([&] { ucs->Name(); });
  CHECK_EQ(error.number(), static_cast<long>(standin::kObjectDeleted));
  CHECK_TRUE(!error.description().empty());
}

TEST_CASE(aRealValuedVariableIsATypeMismatch) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  CHECK_EQ(failureOf([&] { connection.acadDoc->GetVariable("TEXTSIZE"); }).number(), 13L);
}

TEST_CASE(onlyTheCadProgramsOwnStyleCanBeMadeActive) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  CallRecord record;
  const cad::Ref<cad::TextStyle> none;
  const cad::Ref<cad::TextStyle> foreign(std::make_shared<ForeignStyle>());
  CHECK_EQ(failureOf([&] { connection.acadDoc->ActiveTextStyle(none); }).number(), 91L);
  CHECK_EQ(failureOf([&] { connection.acadDoc->ActiveTextStyle(foreign); }).number(), 13L);
  CHECK_TRUE(record.calls().empty());
}

TEST_CASE(anEntityIsReleasedWithItsLastReference) {
  RunningStandIn release16(16);
  auto launcher = cad::com::makeLauncher();
  const Connection connection = attachTo(*launcher, 16);
  CallRecord record;
  cad::Ref<cad::Entity> line =
      connection.moSpace->AddLine(cad::Point3::Zero(), cad::Point3::UnitX());
  cad::Ref<cad::Entity> copy = line;
  const std::vector<RecordedCall> calls = record.calls();
  CHECK_TRUE(calls.size() == 1 && calls[0].result.rfind("DISPATCH:Line#", 0) == 0);
  if (calls.size() != 1) return;
  const std::string released = calls[0].result.substr(9) + "\treleased";
  line.reset();
  CHECK_TRUE(!record.waitFor(released, 300));
  copy.reset();
  CHECK_TRUE(record.waitFor(released, 5000));
}
