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

INSTANTIATE_CAD_MEMBER_SUITES(Recording,
                              (Backend{"RecordingDrawing",
                                       {.tables = false, .application = false, .refusals = false},
                                       &recording::startRecording}))
