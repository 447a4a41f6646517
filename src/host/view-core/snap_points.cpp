#include "host/view-core/snap_points.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "host/geom/ocs.h"
#include "host/model/block_expansion.h"
#include "host/model/drawing_description.h"
#include "host/view-core/entity_appearance.h"

namespace host::view {
namespace {

// Gathers the snap points of each entity that shows and keeps them only when every one is
// finite.
class Collector : public model::ExpansionVisitor {
 public:
  Collector(const model::Document& document, const DrawingDisplay& display)
      : document_(document), description_(model::descriptionOf(document)), appearances_(display) {}

  std::vector<SnapPoint> points;

  bool visit(const model::Entity& entity, const Eigen::Affine3d& toWorld) override {
    if (!appearances_.of(entity)) return true;
    const std::size_t first = points.size();
    std::visit([&](const auto& data) { add(data, toWorld); }, entity.data);
    const bool finite =
        std::all_of(points.begin() + static_cast<std::ptrdiff_t>(first), points.end(),
                    [](const SnapPoint& p) { return p.world.allFinite(); });
    if (!finite) points.resize(first);
    return finite;
  }
  std::optional<model::Insertion> keptInsertion(const model::Entity& entity) override {
    const auto* kept = std::get_if<model::UnsupportedEntity>(&entity.data);
    return kept && description_ ? description_->keptInsertion(document_, *kept) : std::nullopt;
  }
  bool enter(const model::Entity& insert) override { return appearances_.enter(insert); }
  void leave() override { appearances_.leave(); }

 private:
  const model::Document& document_;
  const model::DrawingDescription* description_;  // null: nothing kept as read
  AppearanceResolver appearances_;

  void put(const Eigen::Vector3d& world, SnapKind kind) { points.push_back({world, kind}); }

  // An arc's ends, where the drawing shows them: its parameters in one turn.
  void putEnds(const geom::EllipseArc& arc, const Eigen::Affine3d& t) {
    if (arc.isFull()) return;
    const geom::AngleSpan span = arc.span();
    put(t * arc.pointAt(span.start), SnapKind::Endpoint);
    put(t * arc.pointAt(span.end()), SnapKind::Endpoint);
  }

  // The expansion brings the snap points of what the block holds.
  void add(const model::BlockReference& insert, const Eigen::Affine3d& t) {
    put(t * insert.placement.translation(), SnapKind::Insertion);
  }
  void add(const model::Text& text, const Eigen::Affine3d& t) {
    put(t * text.placement.translation(), SnapKind::Insertion);
  }
  void add(const model::MText& text, const Eigen::Affine3d& t) {
    put(t * text.insertion, SnapKind::Insertion);
  }
  void add(const model::Ellipse& ellipse, const Eigen::Affine3d& t) {
    put(t * ellipse.shape.centre, SnapKind::Centre);
    putEnds(ellipse.shape, t);
  }
  void add(const model::Line& line, const Eigen::Affine3d& t) {
    put(t * line.start, SnapKind::Endpoint);
    put(t * line.end, SnapKind::Endpoint);
  }
  void add(const model::Polyline3d& polyline, const Eigen::Affine3d& t) {
    for (const auto& vertex : polyline.vertices) put(t * vertex, SnapKind::Endpoint);
  }
  void add(const model::Point& point, const Eigen::Affine3d& t) {
    put(t * point.position, SnapKind::Node);
  }
  void add(const model::Circle& circle, const Eigen::Affine3d& t) {
    put(t * circle.centre, SnapKind::Centre);
  }
  void add(const model::Arc& arc, const Eigen::Affine3d& t) {
    put(t * arc.centre, SnapKind::Centre);
    putEnds(geom::circularArc(arc.centre, arc.radius, arc.normal, arc.startAngle, arc.endAngle), t);
  }
  void add(const model::Polyline2d& polyline, const Eigen::Affine3d& t) {
    const geom::Frame ocs = geom::objectCoordinateSystem(polyline.extrusion);
    for (const auto& vertex : polyline.vertices) {
      const Eigen::Vector3d local(vertex.point.x(), vertex.point.y(), polyline.elevation);
      put(t * ocs.pointToWorld(local), SnapKind::Endpoint);
    }
  }
  void add(const model::UnsupportedEntity&, const Eigen::Affine3d&) {}
};

}  // namespace

std::vector<SnapPoint> snapPoints(const model::Document& document) {
  return snapPoints(document, document.blocks()[model::BlockTable::kModelSpace].entities);
}

std::vector<SnapPoint> snapPoints(const model::Document& document,
                                  std::span<const model::Entity> entities) {
  const DrawingDisplay display = drawingDisplay(document);
  Collector collector(document, display);
  model::expandBlocks(document, entities, collector);
  return std::move(collector.points);
}

}  // namespace host::view
