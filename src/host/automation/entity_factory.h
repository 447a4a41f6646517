#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cad/automation.h"
#include "host/automation/hosted_drawing.h"

// New entities from the arguments automation clients give, checked as a CAD program checks
// them. Every function throws InvalidInput for refused arguments, before anything changes.
namespace host::entity_factory {

// translation(point) * rotation about Z * scale(x, y, z); the block is looked up by name in
// any case of letters; a scale must be finite and not zero.
model::BlockReference blockReference(const model::Document& document, const cad::Point3& point,
                                     const std::string& blockName, double xScale, double yScale,
                                     double zScale, double rotation);
// Left-aligned text in the world XY plane at `point`, in the active text style.
model::Text text(const model::Document& document, const std::string& string,
                 const cad::Point3& point, double height);
// A full ellipse in the world XY plane; the major axis must lie in that plane.
model::Ellipse ellipse(const cad::Point3& centre, const cad::Point3& majorAxis, double ratio);
model::Line line(const cad::Point3& start, const cad::Point3& end);
// A circle in the world XY plane; the radius must be greater than 0.
model::Circle circle(const cad::Point3& centre, double radius);
// Vertices as x, y, z triples: a multiple of 3 values, at least two vertices.
model::Polyline3d polyline3d(const std::vector<double>& coordinates);

// Adds `data` to `block` on the drawing's current layer and returns the automation entity for
// it.
cad::Ref<cad::Entity> add(const std::shared_ptr<HostedDrawing>& document, model::BlockIndex block,
                          model::EntityData data);

}  // namespace host::entity_factory
