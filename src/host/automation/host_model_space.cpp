#include "host/automation/host_model_space.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/entity_factory.h"

namespace host {
namespace {
constexpr model::BlockIndex kModelSpace = model::BlockTable::kModelSpace;
}  // namespace

HostModelSpace::HostModelSpace(std::shared_ptr<HostedDrawing> document)
    : document_(std::move(document)) {}

cad::Ref<cad::Entity> HostModelSpace::InsertBlock(const cad::Point3& insertionPoint,
                                                  const std::string& name, double xScale,
                                                  double yScale, double zScale, double rotation) {
  return guardedCall(*document_, [&] {
    return entity_factory::add(
        document_, kModelSpace,
        entity_factory::blockReference(document_->model(), insertionPoint, name, xScale, yScale,
                                       zScale, rotation));
  });
}

cad::Ref<cad::Entity> HostModelSpace::AddText(const std::string& text,
                                              const cad::Point3& insertionPoint, double height) {
  return guardedCall(*document_, [&] {
    return entity_factory::add(
        document_, kModelSpace,
        entity_factory::text(document_->model(), text, insertionPoint, height));
  });
}

cad::Ref<cad::Entity> HostModelSpace::AddEllipse(const cad::Point3& center,
                                                 const cad::Point3& majorAxis, double radiusRatio) {
  return guardedCall(*document_, [&] {
    return entity_factory::add(document_, kModelSpace,
                               entity_factory::ellipse(center, majorAxis, radiusRatio));
  });
}

cad::Ref<cad::Entity> HostModelSpace::AddLine(const cad::Point3& start, const cad::Point3& end) {
  return guardedCall(*document_, [&] {
    return entity_factory::add(document_, kModelSpace, entity_factory::line(start, end));
  });
}

cad::Ref<cad::Entity> HostModelSpace::AddCircle(const cad::Point3& center, double radius) {
  return guardedCall(*document_, [&] {
    return entity_factory::add(document_, kModelSpace, entity_factory::circle(center, radius));
  });
}

}  // namespace host
