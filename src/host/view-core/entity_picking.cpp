#include "host/view-core/entity_picking.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <span>

#include "host/view-core/scene.h"

namespace host::view {
namespace {

double distanceToSegment(const Eigen::Vector2d& p, const Eigen::Vector2d& a,
                         const Eigen::Vector2d& b) {
  const Eigen::Vector2d along = b - a;
  const double squared = along.squaredNorm();
  const double t = squared > 0 ? std::clamp((p - a).dot(along) / squared, 0.0, 1.0) : 0.0;
  return (p - (a + t * along)).norm();
}

double distanceToPath(const Eigen::Vector2d& p, const std::vector<Eigen::Vector2d>& points,
                      bool closed) {
  double nearest = std::numeric_limits<double>::infinity();
  if (points.size() == 1) return (p - points.front()).norm();
  for (std::size_t i = 1; i < points.size(); ++i) {
    nearest = std::min(nearest, distanceToSegment(p, points[i - 1], points[i]));
  }
  if (closed && points.size() > 2) {
    nearest = std::min(nearest, distanceToSegment(p, points.back(), points.front()));
  }
  return nearest;
}

double distanceToBox(const Eigen::Vector2d& p, const Eigen::AlignedBox2d& box) {
  return box.isEmpty() ? std::numeric_limits<double>::infinity()
                       : std::sqrt(box.squaredExteriorDistance(p));
}

// How far what the scene shows lies from `p`: a filled area and a text count from their
// outlines' inside too, as a user points into them.
double distanceTo(const Scene& scene, const Eigen::Vector2d& p) {
  double nearest = std::numeric_limits<double>::infinity();
  for (const auto& polyline : scene.polylines) {
    nearest = std::min(nearest, distanceToPath(p, polyline.points, polyline.closed));
  }
  for (const auto& area : scene.areas) nearest = std::min(nearest, distanceToBox(p, area.bounds));
  for (const auto& point : scene.points) nearest = std::min(nearest, (p - point.at).norm());
  for (const auto& text : scene.texts) nearest = std::min(nearest, distanceToBox(p, text.bounds));
  return nearest;
}

const std::vector<model::Entity>& modelSpace(const model::Document& document) {
  return document.blocks()[model::BlockTable::kModelSpace].entities;
}

}  // namespace

std::optional<model::Handle> entityNear(const model::Document& document,
                                        const Eigen::Matrix3d& worldToView,
                                        const Eigen::Vector2d& at, double reach) {
  std::optional<model::Handle> found;
  double nearest = reach;
  const Eigen::AlignedBox2d around(at - Eigen::Vector2d::Constant(reach),
                                   at + Eigen::Vector2d::Constant(reach));
  for (const model::Entity& entity : modelSpace(document)) {
    const Scene shown = buildScene(document, worldToView, std::span(&entity, 1));
    if (shown.bounds.isEmpty() || !shown.bounds.intersects(around)) continue;
    const double distance = distanceTo(shown, at);
    if (distance <= nearest) {
      nearest = distance;
      found = entity.handle;
    }
  }
  return found;
}

std::vector<model::Handle> entitiesInside(const model::Document& document,
                                          const Eigen::Matrix3d& worldToView,
                                          const Eigen::AlignedBox2d& window) {
  std::vector<model::Handle> inside;
  for (const model::Entity& entity : modelSpace(document)) {
    const Scene shown = buildScene(document, worldToView, std::span(&entity, 1));
    if (!shown.bounds.isEmpty() && window.contains(shown.bounds)) inside.push_back(entity.handle);
  }
  return inside;
}

std::size_t eraseEntities(model::Document& document, const std::vector<model::Handle>& handles) {
  std::vector<std::size_t> places;
  std::size_t locked = 0;
  for (const model::Handle handle : handles) {
    const auto location = document.locate(model::BlockTable::kModelSpace, handle);
    if (!location) continue;
    if (document.layers()[document.entity(*location).layer].locked) {
      ++locked;
      continue;
    }
    places.push_back(location->index);
  }
  // From the last place back, so that each erase leaves the places before it as they are.
  std::ranges::sort(places, std::greater<>());
  places.erase(std::unique(places.begin(), places.end()), places.end());
  if (places.empty()) return locked;
  model::Document::UndoGroup step(document, "ERASE");
  for (const std::size_t place : places) {
    document.eraseEntity({model::BlockTable::kModelSpace, place});
  }
  return locked;
}

}  // namespace host::view
