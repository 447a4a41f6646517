#include "host/automation/host_ucs.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/make_ref.h"

namespace host {

HostUcs::HostUcs(std::shared_ptr<HostedDrawing> document, std::string name)
    : document_(std::move(document)), name_(std::move(name)) {}

HostUcs::HostUcs(std::shared_ptr<HostedDrawing> document, const geom::Frame& unnamed)
    : document_(std::move(document)), name_(kActiveUcsName), unnamed_(unnamed) {}

geom::Frame HostUcs::frame() const {
  if (unnamed_) return *unnamed_;
  const auto index = document_->model().ucsTable().find(name_);
  if (!index) throw methodFailed("The UCS \"" + name_ + "\" has been deleted");
  return document_->model().ucsTable()[*index].frame;
}

std::string HostUcs::Name() {
  if (unnamed_) return name_;
  const auto index = document_->model().ucsTable().find(name_);
  if (!index) throw methodFailed("The UCS \"" + name_ + "\" has been deleted");
  return document_->model().ucsTable()[*index].name;
}

cad::Matrix4 HostUcs::GetUCSMatrix() {
  return frame().matrix();
}

void HostUcs::Delete() {
  if (unnamed_) return;
  frame();  // fails when already deleted
  guardedCall(*document_, [&] { document_->model().deleteUcs(name_); });
}

HostUserCoordinateSystems::HostUserCoordinateSystems(std::shared_ptr<HostedDrawing> document)
    : document_(std::move(document)) {}

cad::Ref<cad::UCS> HostUserCoordinateSystems::Add(const cad::Point3& origin,
                                                  const cad::Point3& xAxisPoint,
                                                  const cad::Point3& yAxisPoint,
                                                  const std::string& name) {
  return guardedCall(*document_, [&]() -> cad::Ref<cad::UCS> {
    const std::size_t index =
        document_->model().defineUcs(name, geom::Frame::fromPoints(origin, xAxisPoint, yAxisPoint));
    return makeRef<cad::UCS, HostUcs>(document_, document_->model().ucsTable()[index].name);
  });
}

}  // namespace host
