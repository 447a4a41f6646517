#pragma once

#include <memory>
#include <string>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

namespace host {

// A drawing entity as automation clients see it. It stays bound to the entity it was created
// for; once that entity is undone, every call fails.
class HostEntity : public cad::Entity {
 public:
  HostEntity(std::shared_ptr<HostedDrawing> document, model::EntityLocation location,
             model::Handle handle);

  // Erases the entity; it can be brought back by undoing the erasure.
  void Delete() override;
  void TransformBy(const cad::Matrix4& matrix) override;
  void Rotate3D(const cad::Point3& axisPoint1, const cad::Point3& axisPoint2,
                double angle) override;
  std::string Layer() override;
  // Fails for a layer the drawing does not have.
  void Layer(const std::string& name) override;
  // The colour index; a true colour the entity may have is not shown here.
  cad::Color color() override;
  // Fails for anything but kByBlock, 1..255 and kByLayer; replaces any true colour.
  void color(cad::Color value) override;
  // Shows it selected in the drawing window; it stays so until the user clicks in the drawing
  // or presses Esc. Changes nothing in the drawing.
  void Highlight(bool highlight) override;

  // The entity in the drawing; fails when it is gone.
  const model::Entity& entity() const;
  model::EntityLocation location() const;
  const std::shared_ptr<HostedDrawing>& document() const { return document_; }

 private:
  std::shared_ptr<HostedDrawing> document_;
  // Where the entity was last seen; erasing an entity before it moves it up.
  mutable model::EntityLocation location_;
  model::Handle handle_;

  void apply(const Eigen::Affine3d& transform);
};

// The drawing entity behind an automation entity of this host. Fails for an empty reference,
// an entity of another kind or one that is gone.
const model::Entity& modelEntity(const cad::Ref<cad::Entity>& entity);

}  // namespace host
