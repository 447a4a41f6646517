#include "host/automation/entity_factory.h"

#include <cmath>

#include "host/automation/call_guard.h"
#include "host/automation/host_entity.h"
#include "host/automation/make_ref.h"
#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"
#include "host/geom/transform.h"

namespace host::entity_factory {
namespace {

void requireScale(double scale, const char* axis) {
  geom::requireFinite(scale, std::string("the ") + axis + " scale");
  if (scale == 0.0) throw InvalidInput(std::string("the ") + axis + " scale must not be 0");
}

}  // namespace

model::BlockReference blockReference(const model::Document& document, const cad::Point3& point,
                                     const std::string& blockName, double xScale, double yScale,
                                     double zScale, double rotation) {
  const auto block = document.blocks().find(blockName);
  if (!block) throw InvalidInput("the block \"" + blockName + "\" does not exist");
  geom::requireFinite(point, "the insertion point");
  requireScale(xScale, "X");
  requireScale(yScale, "Y");
  requireScale(zScale, "Z");
  geom::requireFinite(rotation, "the rotation angle");
  return model::BlockReference{
      *block, geom::blockPlacement(point, geom::Frame(), rotation, {xScale, yScale, zScale})};
}

model::Text text(const model::Document& document, const std::string& string,
                 const cad::Point3& point, double height) {
  geom::requireFinite(point, "the insertion point");
  geom::requireFinite(height, "the text height");
  if (height <= 0.0) throw InvalidInput("the text height must be greater than 0");
  model::Text text;
  text.text = string;
  text.placement = Eigen::Translation3d(point);
  text.height = height;
  text.style = document.activeTextStyle();
  return text;
}

model::Ellipse ellipse(const cad::Point3& centre, const cad::Point3& majorAxis, double ratio) {
  geom::requireFinite(centre, "the ellipse centre");
  geom::requireNonZero(majorAxis, "the ellipse major axis");
  if (majorAxis.z() != 0.0) throw InvalidInput("the ellipse major axis must lie in the XY plane");
  geom::EllipseArc shape;
  shape.centre = centre;
  shape.majorAxis = majorAxis;
  shape.ratio = ratio;
  return model::Ellipse{geom::validatedEllipse(shape)};
}

model::Line line(const cad::Point3& start, const cad::Point3& end) {
  geom::requireFinite(start, "the start point");
  geom::requireFinite(end, "the end point");
  return model::Line{start, end};
}

model::Circle circle(const cad::Point3& centre, double radius) {
  geom::requireFinite(centre, "the circle centre");
  geom::requireFinite(radius, "the circle radius");
  if (radius <= 0.0) throw InvalidInput("the circle radius must be greater than 0");
  return model::Circle{centre, radius, Eigen::Vector3d::UnitZ()};
}

model::Polyline3d polyline3d(const std::vector<double>& coordinates) {
  if (coordinates.size() % 3 != 0 || coordinates.size() < 6) {
    throw InvalidInput("a 3D polyline needs x, y, z triples for at least two vertices");
  }
  model::Polyline3d polyline;
  for (std::size_t i = 0; i < coordinates.size(); i += 3) {
    const Eigen::Vector3d vertex(coordinates[i], coordinates[i + 1], coordinates[i + 2]);
    geom::requireFinite(vertex, "a polyline vertex");
    polyline.vertices.push_back(vertex);
  }
  return polyline;
}

cad::Ref<cad::Entity> add(const std::shared_ptr<HostedDrawing>& document, model::BlockIndex block,
                          model::EntityData data) {
  model::Document& drawing = document->model();
  const model::EntityLocation location =
      drawing.addEntity(block, std::move(data), drawing.header().currentLayer);
  return makeRef<cad::Entity, HostEntity>(document, location, drawing.entity(location).handle);
}

}  // namespace host::entity_factory
