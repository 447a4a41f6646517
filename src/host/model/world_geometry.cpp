#include "host/model/world_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "host/geom/ocs.h"

namespace host::model {
namespace {

constexpr double kChordAngle = std::numbers::pi / 36.0;  // 5 degrees per chord

// Points of the arc from `from` to `to` with the given bulge, `from` excluded, `to` included.
void appendBulgeArc(const Eigen::Vector2d& from, const Eigen::Vector2d& to, double bulge,
                    std::vector<Eigen::Vector2d>& points) {
  const Eigen::Vector2d chord = to - from;
  const double length = chord.norm();
  if (bulge == 0.0 || length == 0.0) {
    points.push_back(to);
    return;
  }
  const double included = 4.0 * std::atan(bulge);
  const Eigen::Vector2d left(-chord.y() / length, chord.x() / length);
  const Eigen::Vector2d centre =
      0.5 * (from + to) + left * (0.5 * length / std::tan(0.5 * included));
  const double radius = (from - centre).norm();
  const double start = std::atan2(from.y() - centre.y(), from.x() - centre.x());
  const int chords = std::max(2, static_cast<int>(std::ceil(std::abs(included) / kChordAngle)));
  for (int k = 1; k < chords; ++k) {
    const double angle = start + included * k / chords;
    points.push_back(centre + radius * Eigen::Vector2d(std::cos(angle), std::sin(angle)));
  }
  points.push_back(to);
}

class Expander {
 public:
  Expander(const Document& document, GeometrySink& sink) : document_(document), sink_(sink) {}

  void emit(const Entity& entity, const Eigen::Affine3d& transform) {
    std::visit([&](const auto& data) { emitData(data, transform); }, entity.data);
  }

 private:
  const Document& document_;
  GeometrySink& sink_;
  std::vector<BlockIndex> expanding_;

  void emitData(const BlockReference& insert, const Eigen::Affine3d& t) {
    if (std::ranges::find(expanding_, insert.block) != expanding_.end()) return;
    const Block& block = document_.blocks()[insert.block];
    const Eigen::Affine3d inner = t * insert.placement * Eigen::Translation3d(-block.basePoint);
    expanding_.push_back(insert.block);
    for (const Entity& entity : block.entities) emit(entity, inner);
    expanding_.pop_back();
  }
  void emitData(const Text& text, const Eigen::Affine3d& t) {
    sink_.text(WorldText{text.text, t * text.placement, text.height, text.style, 0.0});
  }
  void emitData(const Ellipse& ellipse, const Eigen::Affine3d& t) {
    sink_.ellipse(geom::transformed(ellipse.shape, t));
  }
  void emitData(const Line& line, const Eigen::Affine3d& t) {
    sink_.polyline(WorldPolyline{{t * line.start, t * line.end}, false});
  }
  void emitData(const Polyline3d& polyline, const Eigen::Affine3d& t) {
    WorldPolyline world{{}, polyline.closed};
    world.points.reserve(polyline.vertices.size());
    for (const auto& vertex : polyline.vertices) world.points.push_back(t * vertex);
    sink_.polyline(world);
  }
  void emitData(const Point& point, const Eigen::Affine3d& t) { sink_.point(t * point.position); }
  void emitData(const Circle& circle, const Eigen::Affine3d& t) {
    sink_.ellipse(geom::transformed(
        geom::circularArc(circle.centre, circle.radius, circle.normal, 0.0, 2.0 * std::numbers::pi),
        t));
  }
  void emitData(const Arc& arc, const Eigen::Affine3d& t) {
    sink_.ellipse(geom::transformed(
        geom::circularArc(arc.centre, arc.radius, arc.normal, arc.startAngle, arc.endAngle), t));
  }
  void emitData(const Polyline2d& polyline, const Eigen::Affine3d& t) {
    if (polyline.vertices.empty()) return;
    std::vector<Eigen::Vector2d> points{polyline.vertices.front().point};
    const std::size_t count = polyline.vertices.size();
    const std::size_t segments = polyline.closed ? count : count - 1;
    for (std::size_t i = 0; i < segments; ++i) {
      const auto& from = polyline.vertices[i];
      const auto& to = polyline.vertices[(i + 1) % count];
      appendBulgeArc(from.point, to.point, from.bulge, points);
    }
    // A closed polyline's last segment ends where it began; the closed flag draws it.
    if (polyline.closed && points.size() > 1) points.pop_back();
    const geom::Frame ocs = geom::objectCoordinateSystem(polyline.extrusion);
    WorldPolyline world{{}, polyline.closed};
    world.points.reserve(points.size());
    for (const auto& p : points) {
      world.points.push_back(t * ocs.pointToWorld({p.x(), p.y(), polyline.elevation}));
    }
    sink_.polyline(world);
  }
  void emitData(const MText& text, const Eigen::Affine3d& t) {
    Eigen::Affine3d placement = Eigen::Affine3d::Identity();
    const Eigen::Vector3d normal = text.normal.normalized();
    // A direction read from a file may lean out of the text's plane: keep its in-plane part.
    Eigen::Vector3d x = text.direction - text.direction.dot(normal) * normal;
    x = x.norm() > 1e-12 ? x.normalized() : geom::objectCoordinateSystem(normal).xAxis();
    placement.linear().col(0) = x;
    placement.linear().col(1) = normal.cross(x);
    placement.linear().col(2) = normal;
    placement.translation() = text.insertion;
    sink_.text(WorldText{text.text, t * placement, text.height, text.style, text.width});
  }
  void emitData(const UnsupportedEntity&, const Eigen::Affine3d&) {}
};

class Collector : public GeometrySink {
 public:
  WorldGeometry geometry;

  void polyline(const WorldPolyline& polyline) override { geometry.polylines.push_back(polyline); }
  void point(const Eigen::Vector3d& position) override { geometry.points.push_back(position); }
  void text(const WorldText& text) override { geometry.texts.push_back(text); }
  void ellipse(const geom::EllipseArc& ellipse) override { geometry.ellipses.push_back(ellipse); }
};

}  // namespace

void emitWorldGeometry(const Document& document, const Entity& entity, GeometrySink& sink) {
  Expander(document, sink).emit(entity, Eigen::Affine3d::Identity());
}

WorldGeometry worldGeometry(const Document& document, const Entity& entity) {
  Collector collector;
  emitWorldGeometry(document, entity, collector);
  return collector.geometry;
}

}  // namespace host::model
