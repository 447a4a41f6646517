#pragma once

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "host/automation/host_application.h"
#include "host/automation/host_document.h"
#include "host/automation/scripted_point_source.h"
#include "host/model/document.h"

namespace host {

// A host application with one new drawing, a scripted point source and the drawing's
// automation objects at hand.
class HostFixture : public testing::Test {
 protected:
  HostFixture()
      : application(HostApplication::withNewDrawing()),
        points(std::make_shared<ScriptedPointSource>()),
        document(application->ActiveDocument()),
        drawing(modelOf(document)),
        modelSpace(document->ModelSpace()),
        utility(document->Utility()) {
    application->setPointSource(points);
  }

  // The arrow block: tail at the origin, tip at (3, 0, 0), two crossed head triangles.
  void defineArrowBlock() {
    std::vector<double> vertices(45, 0.0);
    const std::vector<double> first = {0, 0, 0, 3,    0, 0,   1.75, 0.5, 0,    1.75, -0.5, 0,
                                       3, 0, 0, 1.75, 0, 0.5, 1.75, 0,   -0.5, 3,    0,    0};
    std::copy(first.begin(), first.end(), vertices.begin());
    document->Blocks()->Add({0, 0, 0}, "ArrowX1")->Add3DPoly(vertices);
  }

  std::size_t modelSpaceCount() const {
    return drawing->blocks()[model::BlockTable::kModelSpace].entities.size();
  }

  std::shared_ptr<HostApplication> application;
  std::shared_ptr<ScriptedPointSource> points;
  cad::Ref<cad::Document> document;
  std::shared_ptr<model::Document> drawing;
  cad::Ref<cad::ModelSpace> modelSpace;
  cad::Ref<cad::Utility> utility;
};

}  // namespace host
