#pragma once

#include <memory>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

namespace host {

// The model space of a drawing, whichever space the drawing shows.
class HostModelSpace : public cad::ModelSpace {
 public:
  explicit HostModelSpace(std::shared_ptr<HostedDrawing> document);

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
  std::shared_ptr<HostedDrawing> document_;
};

}  // namespace host
