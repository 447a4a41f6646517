#include "host/model/world_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <variant>

#include "host/geom/ocs.h"

namespace host::model {
namespace {

constexpr double kChordAngle = std::numbers::pi / 36.0;  // 5 degrees per chord
// A bulge this small bows a segment by less than a billionth of its length: drawn straight, as
// its centre would lie so far away that the arc's points would be lost to rounding.
constexpr double kStraightBulge = 1e-9;

// Points of the arc from `from` to `to` with the given bulge, `from` excluded, `to` included.
// A bulge's arc is less than a whole turn (4 atan(bulge)), so its chords are few.
void appendBulgeArc(const Eigen::Vector2d& from, const Eigen::Vector2d& to, double bulge,
                    std::vector<Eigen::Vector2d>& points) {
  const Eigen::Vector2d chord = to - from;
  const double length = chord.norm();
  if (std::abs(bulge) < kStraightBulge || length == 0.0) {
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

bool allFinite(const std::vector<Eigen::Vector3d>& points) {
  return std::ranges::all_of(points, [](const Eigen::Vector3d& p) { return p.allFinite(); });
}

// Computes each entity's world geometry and hands it on only when every coordinate is finite.
class Drawer : public ExpansionVisitor {
 public:
  explicit Drawer(GeometrySink& sink) : sink_(sink) {}

  bool visit(const Entity& entity, const Eigen::Affine3d& toWorld) override {
    return std::visit([&](const auto& data) { return draw(data, toWorld); }, entity.data);
  }

 private:
  GeometrySink& sink_;

  bool emitPolyline(const WorldPolyline& polyline) {
    if (!allFinite(polyline.points)) return false;
    sink_.polyline(polyline);
    return true;
  }
  bool emitEllipse(const geom::EllipseArc& ellipse, const Eigen::Affine3d& t) {
    const geom::EllipseArc world = geom::inOneTurn(geom::transformed(geom::inOneTurn(ellipse), t));
    if (!geom::isFinite(world)) return false;
    sink_.ellipse(world);
    return true;
  }
  bool emitText(const WorldText& text) {
    if (!(text.placement * Eigen::Scaling(text.height)).matrix().allFinite()) return false;
    sink_.text(text);
    return true;
  }

  // The insert itself draws nothing; the expansion brings what its block holds.
  bool draw(const BlockReference&, const Eigen::Affine3d&) { return true; }
  bool draw(const Text& text, const Eigen::Affine3d& t) {
    return emitText(WorldText{text.text, t * text.placement, text.height, text.style, 0.0});
  }
  bool draw(const Ellipse& ellipse, const Eigen::Affine3d& t) {
    return emitEllipse(ellipse.shape, t);
  }
  bool draw(const Line& line, const Eigen::Affine3d& t) {
    return emitPolyline(WorldPolyline{{t * line.start, t * line.end}, false});
  }
  bool draw(const Polyline3d& polyline, const Eigen::Affine3d& t) {
    WorldPolyline world{{}, polyline.closed};
    world.points.reserve(polyline.vertices.size());
    for (const auto& vertex : polyline.vertices) world.points.push_back(t * vertex);
    return emitPolyline(world);
  }
  bool draw(const Point& point, const Eigen::Affine3d& t) {
    const Eigen::Vector3d world = t * point.position;
    if (!world.allFinite()) return false;
    sink_.point(world);
    return true;
  }
  bool draw(const Circle& circle, const Eigen::Affine3d& t) {
    return emitEllipse(
        geom::circularArc(circle.centre, circle.radius, circle.normal, 0.0, geom::kFullTurn), t);
  }
  bool draw(const Arc& arc, const Eigen::Affine3d& t) {
    return emitEllipse(
        geom::circularArc(arc.centre, arc.radius, arc.normal, arc.startAngle, arc.endAngle), t);
  }
  bool draw(const Polyline2d& polyline, const Eigen::Affine3d& t) {
    if (polyline.vertices.empty()) return true;
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
    return emitPolyline(world);
  }
  bool draw(const MText& text, const Eigen::Affine3d& t) {
    Eigen::Affine3d placement = Eigen::Affine3d::Identity();
    const Eigen::Vector3d normal = text.normal.normalized();
    // A direction read from a file may lean out of the text's plane: keep its in-plane part.
    Eigen::Vector3d x = text.direction - text.direction.dot(normal) * normal;
    x = x.norm() > 1e-12 ? x.normalized() : geom::objectCoordinateSystem(normal).xAxis();
    placement.linear().col(0) = x;
    placement.linear().col(1) = normal.cross(x);
    placement.linear().col(2) = normal;
    placement.translation() = text.insertion;
    return emitText(WorldText{text.text, t * placement, text.height, text.style, text.width});
  }
  bool draw(const UnsupportedEntity&, const Eigen::Affine3d&) { return true; }
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

EntitiesNotShown emitWorldGeometry(const Document& document, std::span<const Entity> entities,
                                   GeometrySink& sink, const ExpansionLimits& limits) {
  Drawer drawer(sink);
  return expandBlocks(document, entities, drawer, limits);
}

bool emitEntityGeometry(const Entity& entity, const Eigen::Affine3d& toWorld, GeometrySink& sink) {
  Drawer drawer(sink);
  return drawer.visit(entity, toWorld);
}

WorldGeometry worldGeometry(const Document& document, const Entity& entity) {
  Collector collector;
  emitWorldGeometry(document, std::span(&entity, 1), collector);
  return collector.geometry;
}

}  // namespace host::model
