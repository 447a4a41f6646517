#include "host_fixture.h"

#include <sstream>
#include <variant>

#include "insert/arrow_block.h"

HostRun::HostRun() {
  app->setPointSource(picks);
  vars.acadApp = cad::Ref<cad::Application>(std::shared_ptr<cad::Application>(app));
  vars.acadDoc = app->ActiveDocument();
  vars.moSpace = vars.acadDoc->ModelSpace();
  vars.utilObj = vars.acadDoc->Utility();
  // The arrow block as start-up defines it.
  vars.acadDoc->Blocks()
      ->Add(cad::Point3::Zero(), insert::kArrowBlockName)
      ->Add3DPoly(insert::arrowBlockVertices());
}

void HostRun::setCurrentUcs(const std::string& name, const host::geom::Frame& frame) {
  if (!name.empty()) model->defineUcs(name, frame);
  model->setCurrentUcs({name, frame});
}

WorldDrawing HostRun::modelSpace() const {
  WorldDrawing drawing;
  const auto& entities = model->blocks()[host::model::BlockTable::kModelSpace].entities;
  for (const host::model::Entity& entity : entities) {
    const host::model::WorldGeometry world = host::model::worldGeometry(*model, entity);
    if (std::holds_alternative<host::model::BlockReference>(entity.data)) {
      const auto& points = world.polylines.at(0).points;
      drawing.arrows.push_back({points.at(0), points.at(1), points.at(2)});
    } else if (std::holds_alternative<host::model::Text>(entity.data)) {
      drawing.texts.push_back(world.texts.at(0));
    } else if (std::holds_alternative<host::model::Ellipse>(entity.data)) {
      drawing.ellipses.push_back(world.ellipses.at(0));
    } else if (std::holds_alternative<host::model::Line>(entity.data)) {
      drawing.lines.push_back(world.polylines.at(0));
    }
  }
  return drawing;
}

::testing::AssertionResult samePoint(const cad::Point3& actual, const cad::Point3& expected) {
  if ((actual - expected).norm() < 1e-6) return ::testing::AssertionSuccess();
  std::ostringstream os;
  os << "(" << actual.transpose() << ") is not (" << expected.transpose() << ")";
  return ::testing::AssertionFailure() << os.str();
}
