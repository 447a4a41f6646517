#include "host/automation/host_entity.h"

#include <utility>

#include "host/automation/call_guard.h"
#include "host/automation/host_layers.h"
#include "host/geom/invalid_input.h"
#include "host/geom/transform.h"
#include "host/model/entity_transform.h"

namespace host {

HostEntity::HostEntity(std::shared_ptr<HostedDrawing> document, model::EntityLocation location,
                       model::Handle handle)
    : document_(std::move(document)), location_(location), handle_(handle) {}

void HostEntity::Delete() {
  const model::EntityLocation at = location();
  guardedCall(*document_, [&] { document_->model().eraseEntity(at); });
}

void HostEntity::TransformBy(const cad::Matrix4& matrix) {
  guardedCall(*document_, [&] { apply(geom::affineFromMatrix(matrix)); });
}

void HostEntity::Rotate3D(const cad::Point3& axisPoint1, const cad::Point3& axisPoint2,
                          double angle) {
  guardedCall(*document_, [&] { apply(geom::rotationAbout(axisPoint1, axisPoint2, angle)); });
}

std::string HostEntity::Layer() {
  return document_->model().layers()[entity().layer].name;
}

void HostEntity::Layer(const std::string& name) {
  entity();  // fails for an entity that is gone
  guardedCall(*document_, [&] {
    document_->model().setEntityLayer(location_, existingLayer(document_->model(), name));
  });
}

cad::Color HostEntity::color() {
  return entity().properties->colour.index;
}

void HostEntity::color(cad::Color value) {
  model::EntityProperties properties = entity().properties.get();
  guardedCall(*document_, [&] {
    if (value < cad::kByBlock || value > cad::kByLayer) {
      throw InvalidInput(
          "the colour must be 0 (ByBlock), a colour index from 1 to 255 or 256 (ByLayer)");
    }
    properties.colour = model::Colour{value, std::nullopt};
    document_->model().setEntityProperties(location_, properties);
  });
}

void HostEntity::Highlight(bool highlight) {
  entity();  // fails for an entity that is gone or a drawing that is closed
  if (WindowControl* window = document_->window()) {
    window->highlight(*document_->document(), handle_, highlight);
  }
}

const model::Entity& HostEntity::entity() const {
  return document_->model().entity(location());
}

model::EntityLocation HostEntity::location() const {
  const model::Document& drawing = document_->model();
  if (drawing.find(location_, handle_)) return location_;
  if (const auto moved = drawing.locate(location_.block, handle_)) {
    location_ = *moved;
    return location_;
  }
  throw methodFailed("The entity has been erased");
}

void HostEntity::apply(const Eigen::Affine3d& transform) {
  model::Document& drawing = document_->model();
  const model::EntityLocation at = location();
  drawing.replaceEntity(at, model::transformed(drawing.entity(at).data, transform));
}

const model::Entity& modelEntity(const cad::Ref<cad::Entity>& entity) {
  const auto* hosted = dynamic_cast<const HostEntity*>(entity.operator->());
  if (!hosted) throw methodFailed("The entity does not belong to this program's drawings");
  return hosted->entity();
}

}  // namespace host
