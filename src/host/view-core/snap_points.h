#pragma once

#include <span>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/document.h"

namespace host::view {

enum class SnapKind { Endpoint, Centre, Insertion, Node };

// A point a click can snap to, in world coordinates.
struct SnapPoint {
  Eigen::Vector3d world = Eigen::Vector3d::Zero();
  SnapKind kind = SnapKind::Endpoint;
};

// The snap points of model space: ends and vertices of lines and polylines, point entities,
// insertion points of inserts and texts, centres (and arc ends) of circles, arcs and ellipses.
// Inserts also offer the snap points of what they contain, nested inserts included, as far as
// the drawing shows them (model::expandBlocks); an entity with a point that overflows offers none,
// nor does one hidden (invisible, on a layer that is off or frozen).
std::vector<SnapPoint> snapPoints(const model::Document& document);
// Only those of `entities` (of model space).
std::vector<SnapPoint> snapPoints(const model::Document& document,
                                  std::span<const model::Entity> entities);

}  // namespace host::view
