#include "host/model/entity_transform.h"

#include <cmath>
#include <numbers>

#include "host/geom/invalid_input.h"
#include "host/geom/ocs.h"
#include "host/geom/transform.h"

namespace host::model {
namespace {

using geom::angleInOcs;

double similarityScale(const Eigen::Affine3d& transform) {
  return std::sqrt((transform.linear().transpose() * transform.linear()).trace() / 3.0);
}

struct Transformer {
  const Eigen::Affine3d& t;

  EntityData operator()(const BlockReference& insert) const {
    return BlockReference{insert.block, t * insert.placement};
  }
  EntityData operator()(const Text& text) const {
    Text moved = text;
    moved.placement = t * text.placement;
    return moved;
  }
  EntityData operator()(const Ellipse& ellipse) const {
    return Ellipse{geom::transformed(ellipse.shape, t)};
  }
  EntityData operator()(const Line& line) const { return Line{t * line.start, t * line.end}; }
  EntityData operator()(const Polyline3d& polyline) const {
    Polyline3d moved = polyline;
    for (auto& vertex : moved.vertices) vertex = t * vertex;
    return moved;
  }
  EntityData operator()(const Point& point) const { return Point{t * point.position}; }
  EntityData operator()(const Circle& circle) const {
    if (!geom::isSimilarity(t)) {
      return Ellipse{
          geom::transformed(geom::circularArc(circle.centre, circle.radius, circle.normal, 0.0,
                                              2.0 * std::numbers::pi),
                            t)};
    }
    return Circle{t * circle.centre, circle.radius * similarityScale(t),
                  geom::transformNormal(t, circle.normal)};
  }
  EntityData operator()(const Arc& arc) const {
    if (!geom::isSimilarity(t)) {
      return Ellipse{geom::transformed(
          geom::circularArc(arc.centre, arc.radius, arc.normal, arc.startAngle, arc.endAngle), t)};
    }
    const geom::Frame ocs = geom::objectCoordinateSystem(arc.normal);
    // Returns a point, not an Eigen expression that would refer to a temporary gone by then.
    const auto pointAt = [&](double angle) -> Eigen::Vector3d {
      return arc.centre +
             ocs.vectorToWorld(arc.radius * Eigen::Vector3d(std::cos(angle), std::sin(angle), 0));
    };
    Arc moved;
    moved.centre = t * arc.centre;
    moved.radius = arc.radius * similarityScale(t);
    moved.normal = geom::transformNormal(t, arc.normal);
    const geom::Frame newOcs = geom::objectCoordinateSystem(moved.normal);
    moved.startAngle = angleInOcs(newOcs, t * pointAt(arc.startAngle) - moved.centre);
    moved.endAngle = angleInOcs(newOcs, t * pointAt(arc.endAngle) - moved.centre);
    return moved;
  }
  EntityData operator()(const Polyline2d& polyline) const {
    const bool hasArcs = std::ranges::any_of(polyline.vertices,
                                             [](const auto& vertex) { return vertex.bulge != 0; });
    if (hasArcs && !geom::isSimilarity(t)) {
      throw InvalidInput(
          "a polyline with arcs can only be moved, turned, mirrored or scaled evenly");
    }
    const geom::Frame ocs = geom::objectCoordinateSystem(polyline.extrusion);
    Polyline2d moved = polyline;
    moved.extrusion = geom::transformNormal(t, polyline.extrusion);
    const geom::Frame newOcs = geom::objectCoordinateSystem(moved.extrusion);
    for (auto& vertex : moved.vertices) {
      const Eigen::Vector3d world =
          ocs.pointToWorld({vertex.point.x(), vertex.point.y(), polyline.elevation});
      const Eigen::Vector3d local = newOcs.pointToLocal(t * world);
      vertex.point = local.head<2>();
      moved.elevation = local.z();
    }
    if (moved.vertices.empty()) {
      moved.elevation = newOcs.pointToLocal(t * ocs.pointToWorld({0, 0, polyline.elevation})).z();
    }
    return moved;
  }
  EntityData operator()(const MText& text) const {
    if (!geom::isSimilarity(t)) {
      throw InvalidInput("multi-line text can only be moved, turned, mirrored or scaled evenly");
    }
    const double scale = similarityScale(t);
    MText moved = text;
    moved.insertion = t * text.insertion;
    moved.direction = (t.linear() * text.direction).normalized();
    moved.normal = geom::transformNormal(t, text.normal);
    moved.height = text.height * scale;
    moved.width = text.width * scale;
    return moved;
  }
  EntityData operator()(const UnsupportedEntity& entity) const {
    throw InvalidInput("a " + entity.type + " entity cannot be transformed by this program");
  }
};

}  // namespace

EntityData transformed(const EntityData& data, const Eigen::Affine3d& transform) {
  return std::visit(Transformer{transform}, data);
}

}  // namespace host::model
