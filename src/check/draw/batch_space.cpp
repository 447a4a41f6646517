#include "check/draw/batch_space.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace check::draw {

BatchSpace::BatchSpace(cad::Ref<cad::ModelSpace> space) : space_(std::move(space)) {}

void BatchSpace::deleteDrawn() {
  std::exception_ptr firstFailure;
  while (!drawn_.empty()) {
    try {
      drawn_.back()->Delete();
    } catch (...) {
      if (!firstFailure) firstFailure = std::current_exception();
    }
    drawn_.pop_back();
  }
  if (firstFailure) std::rethrow_exception(firstFailure);
}

std::vector<cad::Ref<cad::Entity>> BatchSpace::drawnAfter(std::size_t count) const {
  const auto first = drawn_.begin() + static_cast<std::ptrdiff_t>(std::min(count, drawn_.size()));
  return {first, drawn_.end()};
}

cad::Ref<cad::Entity> BatchSpace::keep(cad::Ref<cad::Entity> entity) {
  // Kept before its layer is set, so that it is deleted with the rest even if that fails.
  drawn_.push_back(entity);
  if (!layer_.empty()) entity->Layer(layer_);
  return entity;
}

cad::Ref<cad::Entity> BatchSpace::InsertBlock(const cad::Point3& insertionPoint,
                                              const std::string& name, double xScale, double yScale,
                                              double zScale, double rotation) {
  return keep(space_->InsertBlock(insertionPoint, name, xScale, yScale, zScale, rotation));
}

cad::Ref<cad::Entity> BatchSpace::AddText(const std::string& text,
                                          const cad::Point3& insertionPoint, double height) {
  return keep(space_->AddText(text, insertionPoint, height));
}

cad::Ref<cad::Entity> BatchSpace::AddEllipse(const cad::Point3& center,
                                             const cad::Point3& majorAxis, double radiusRatio) {
  return keep(space_->AddEllipse(center, majorAxis, radiusRatio));
}

cad::Ref<cad::Entity> BatchSpace::AddLine(const cad::Point3& start, const cad::Point3& end) {
  return keep(space_->AddLine(start, end));
}

cad::Ref<cad::Entity> BatchSpace::AddCircle(const cad::Point3& center, double radius) {
  return keep(space_->AddCircle(center, radius));
}

}  // namespace check::draw
