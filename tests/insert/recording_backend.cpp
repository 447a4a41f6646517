// The recording drawing of the dialog's tests as a backend of the cad:: member suite: it
// models model space, the UCS and point requests, the calls the Insert and Pick commands make.
#include <memory>

#include "cad/conformance/cad_members.h"
#include "recording_cad.h"

namespace recording {
namespace {

struct RecordingSession : conformance::Session {
  CallLog log;
};

std::unique_ptr<conformance::Session> startRecording(const conformance::StartingDrawing& start) {
  auto session = std::make_unique<RecordingSession>();
  auto drawing = std::make_shared<Drawing>(session->log);
  drawing->currentUcs = {start.ucsName, conformance::kUcsOrigin, conformance::kUcsXDir,
                         conformance::kUcsYDir};
  if (!start.cancelPicks) {
    for (const cad::Point3& answer : conformance::kPickAnswers) drawing->picks.push_back(answer);
  }
  session->document = std::shared_ptr<cad::Document>(drawing);
  return session;
}

}  // namespace
}  // namespace recording

// Only the members Insert and Pick call: the tables, the application object and the refusals
// are the other backends' to show.
namespace conformance {
INSTANTIATE_TEST_SUITE_P(
    Recording, CadMembers,
    testing::Values(Backend{"RecordingDrawing",
                            {.tables = false, .application = false, .refusals = false},
                            &recording::startRecording}),
    [](const testing::TestParamInfo<Backend>& info) { return info.param.name; });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CadTableMembers);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CadApplicationMembers);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(CadRefusals);
}  // namespace conformance
