#include "host/automation/host_entity.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/geom/transform.h"
#include "host/model/entity_transform.h"

namespace host {

HostEntity::HostEntity(std::shared_ptr<HostedDrawing> document, model::EntityLocation location,
                       model::Handle handle)
    : document_(std::move(document)), location_(location), handle_(handle) {}

void HostEntity::TransformBy(const cad::Matrix4& matrix) {
  guardedCall(*document_, [&] { apply(geom::affineFromMatrix(matrix)); });
}

void HostEntity::Rotate3D(const cad::Point3& axisPoint1, const cad::Point3& axisPoint2,
                          double angle) {
  guardedCall(*document_, [&] { apply(geom::rotationAbout(axisPoint1, axisPoint2, angle)); });
}

const model::Entity& HostEntity::entity() const {
  const model::Entity* found = document_->model().find(location_, handle_);
  if (!found) throw methodFailed("The entity has been erased");
  return *found;
}

void HostEntity::apply(const Eigen::Affine3d& transform) {
  document_->model().replaceEntity(location_, model::transformed(entity().data, transform));
}

const model::Entity& modelEntity(const cad::Ref<cad::Entity>& entity) {
  const auto* hosted = dynamic_cast<const HostEntity*>(entity.operator->());
  if (!hosted) throw methodFailed("The entity does not belong to this program's drawings");
  return hosted->entity();
}

}  // namespace host
