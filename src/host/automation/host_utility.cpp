#include "host/automation/host_utility.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/host_application.h"
#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"

namespace host {

HostUtility::HostUtility(std::shared_ptr<HostApplication> application,
                         std::shared_ptr<HostedDrawing> document)
    : application_(std::move(application)), document_(std::move(document)) {}

cad::Point3 HostUtility::GetPoint(const std::optional<cad::Point3>& basePoint,
                                  const std::string& prompt) {
  if (basePoint && !basePoint->allFinite()) {
    throw methodFailed("Invalid input: the base point must have finite coordinates");
  }
  // What the command has drawn so far shows while the user picks the next point.
  document_->model().showChanges();
  const auto answer =
      application_->pointSource().requestPoint(document_->model(), prompt, basePoint);
  // Closing the drawing cancels the request; say why.
  if (!answer) throw methodFailed(document_->closed() ? kDrawingClosed : "Point request cancelled");
  if (!answer->allFinite()) {
    throw methodFailed("Invalid input: the picked point must have finite coordinates");
  }
  return *answer;
}

cad::Point3 HostUtility::TranslateCoordinates(const cad::Point3& point, std::int32_t fromSystem,
                                              std::int32_t toSystem, std::int16_t displacement) {
  return guardedCall(*document_, [&]() -> cad::Point3 {
    const auto valid = [](std::int32_t code) { return code == cad::kWorld || code == cad::kUcs; };
    if (!valid(fromSystem) || !valid(toSystem)) {
      throw InvalidInput("the coordinate system code must be 0 (world) or 1 (current UCS)");
    }
    geom::requireFinite(point, "the point");
    const geom::Frame& ucs = document_->model().currentUcs().frame;
    const bool isDisplacement = displacement != 0;
    cad::Point3 world = point;
    if (fromSystem == cad::kUcs) {
      world = isDisplacement ? ucs.vectorToWorld(point) : ucs.pointToWorld(point);
    }
    if (toSystem == cad::kWorld) return world;
    return isDisplacement ? ucs.vectorToLocal(world) : ucs.pointToLocal(world);
  });
}

}  // namespace host
