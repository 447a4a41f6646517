#pragma once

#include <string>
#include <vector>

#include "cad/automation.h"

namespace check::draw {

// Model space as one batch of drawing sees it: every entity it creates goes on the batch's
// current layer and is remembered, so that a cancelled batch can take back all it drew.
class BatchSpace : public cad::ModelSpace {
 public:
  explicit BatchSpace(cad::Ref<cad::ModelSpace> space);

  // The layer the next entities go on; it must be in the drawing.
  void setLayer(const std::string& layer) { layer_ = layer; }
  std::size_t drawn() const { return drawn_.size(); }
  // What the batch drew after the first `count` entities.
  std::vector<cad::Ref<cad::Entity>> drawnAfter(std::size_t count) const;
  // Deletes what the batch drew, the newest first. Every entity is tried; the first failure is
  // thrown afterwards.
  void deleteDrawn();

  cad::Ref<cad::Entity> InsertBlock(const cad::Point3& insertionPoint, const std::string& name,
                                    double xScale, double yScale, double zScale,
                                    double rotation) override;
  cad::Ref<cad::Entity> AddText(const std::string& text, const cad::Point3& insertionPoint,
                                double height) override;
  cad::Ref<cad::Entity> AddEllipse(const cad::Point3& center, const cad::Point3& majorAxis,
                                   double radiusRatio) override;
  cad::Ref<cad::Entity> AddLine(const cad::Point3& start, const cad::Point3& end) override;
  cad::Ref<cad::Entity> AddCircle(const cad::Point3& center, double radius) override;

 private:
  cad::Ref<cad::Entity> keep(cad::Ref<cad::Entity> entity);

  cad::Ref<cad::ModelSpace> space_;
  std::string layer_;
  std::vector<cad::Ref<cad::Entity>> drawn_;
};

}  // namespace check::draw
