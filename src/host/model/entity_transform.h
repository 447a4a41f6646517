#pragma once

#include <Eigen/Geometry>

#include "host/model/entities.h"

namespace host::model {

// The entity data moved by an affine transformation. Exact for every kind: inserts and texts
// compose it onto their placement, ellipses recompute their principal axes, a circle or arc
// stays one under a similarity and becomes an ellipse otherwise. Throws InvalidInput where
// the result cannot be kept exactly (a 2D polyline with arcs, or multi-line text, under a
// non-uniform scale; an unsupported entity).
EntityData transformed(const EntityData& data, const Eigen::Affine3d& transform);

}  // namespace host::model
