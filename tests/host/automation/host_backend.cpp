// The built-in host as a backend of the cad:: member suite.
#include <memory>

#include "cad/conformance/cad_members.h"
#include "host/automation/host_application.h"
#include "host/automation/host_document.h"
#include "host/automation/scripted_point_source.h"
#include "host/geom/frame.h"
#include "host/model/document.h"

namespace host {
namespace {

std::unique_ptr<conformance::Session> startHost(const conformance::StartingDrawing& start) {
  const auto application = HostApplication::withNewDrawing();
  auto points = std::make_shared<ScriptedPointSource>();
  if (!start.cancelPicks) {
    for (const cad::Point3& answer : conformance::kPickAnswers) points->push(answer);
  }
  application->setPointSource(points);

  auto session = std::make_unique<conformance::Session>();
  session->application = std::shared_ptr<cad::Application>(application);
  session->document = application->ActiveDocument();
  model::Document& drawing = *modelOf(session->document);
  const auto frame = geom::Frame::fromDirections(conformance::kUcsOrigin, conformance::kUcsXDir,
                                                 conformance::kUcsYDir);
  if (!start.ucsName.empty()) drawing.defineUcs(start.ucsName, frame);
  drawing.setCurrentUcs(model::Ucs{start.ucsName, frame});
  for (const std::string& block : start.blocks) drawing.addBlock(block, Eigen::Vector3d::Zero());
  return session;
}

}  // namespace
}  // namespace host

INSTANTIATE_CAD_MEMBER_SUITES(HostAutomation, (Backend{"BuiltInHost", {}, &host::startHost}))
