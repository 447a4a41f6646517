#include "host/view/snap_points.h"

#include <algorithm>
#include <cmath>

#include "host/geom/ocs.h"

namespace host::view {
namespace {

class Collector {
 public:
  explicit Collector(const model::Document& document) : document_(document) {}

  void collect(const model::Entity& entity, const Eigen::Affine3d& t) {
    std::visit([&](const auto& data) { add(data, t); }, entity.data);
  }

  std::vector<SnapPoint> points;

 private:
  const model::Document& document_;
  std::vector<model::BlockIndex> expanding_;

  void put(const Eigen::Vector3d& world, SnapKind kind) { points.push_back({world, kind}); }

  void add(const model::BlockReference& insert, const Eigen::Affine3d& t) {
    put(t * insert.placement.translation(), SnapKind::Insertion);
    // A block that contains itself is expanded once.
    if (std::ranges::find(expanding_, insert.block) != expanding_.end()) return;
    const model::Block& block = document_.blocks()[insert.block];
    const Eigen::Affine3d inner = t * insert.placement * Eigen::Translation3d(-block.basePoint);
    expanding_.push_back(insert.block);
    for (const auto& entity : block.entities) collect(entity, inner);
    expanding_.pop_back();
  }
  void add(const model::Text& text, const Eigen::Affine3d& t) {
    put(t * text.placement.translation(), SnapKind::Insertion);
  }
  void add(const model::MText& text, const Eigen::Affine3d& t) {
    put(t * text.insertion, SnapKind::Insertion);
  }
  void add(const model::Ellipse& ellipse, const Eigen::Affine3d& t) {
    put(t * ellipse.shape.centre, SnapKind::Centre);
    if (!ellipse.shape.isFull()) {
      put(t * ellipse.shape.pointAt(ellipse.shape.startParameter), SnapKind::Endpoint);
      put(t * ellipse.shape.pointAt(ellipse.shape.endParameter), SnapKind::Endpoint);
    }
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
    const geom::Frame ocs = geom::objectCoordinateSystem(arc.normal);
    for (double angle : {arc.startAngle, arc.endAngle}) {
      const Eigen::Vector3d offset =
          arc.radius * (std::cos(angle) * ocs.xAxis() + std::sin(angle) * ocs.yAxis());
      put(t * (arc.centre + offset), SnapKind::Endpoint);
    }
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
  Collector collector(document);
  for (const auto& entity : document.blocks()[model::BlockTable::kModelSpace].entities) {
    collector.collect(entity, Eigen::Affine3d::Identity());
  }
  return std::move(collector.points);
}

}  // namespace host::view
