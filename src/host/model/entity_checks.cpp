#include "host/model/entity_checks.h"

#include <cmath>

#include "host/geom/checks.h"
#include "host/geom/invalid_input.h"
#include "host/geom/transform.h"

namespace host::model {
namespace {

using geom::requireFinite;
using geom::requireNonZero;

void checkPlacement(const Eigen::Affine3d& placement, const char* what) {
  if (!placement.matrix().allFinite()) {
    throw InvalidInput(std::string(what) + " must have finite coordinates");
  }
  if (geom::isSingular(placement.linear())) {
    throw InvalidInput(std::string(what) + " must not be flattened by a zero scale");
  }
}

void checkStyle(StyleIndex style, const TextStyleTable& styles) {
  if (style >= styles.size()) throw InvalidInput("the text style does not exist");
}

void checkRadius(double radius) {
  requireFinite(radius, "the radius");
  if (radius <= 0.0) throw InvalidInput("the radius must be greater than 0");
}

struct Checker {
  const BlockTable& blocks;
  const TextStyleTable& styles;

  void operator()(const BlockReference& insert) const {
    if (insert.block >= blocks.size()) throw InvalidInput("the block does not exist");
    if (insert.block == BlockTable::kModelSpace || insert.block == BlockTable::kPaperSpace) {
      throw InvalidInput("a space cannot be inserted as a block");
    }
    checkPlacement(insert.placement, "the block reference's placement");
  }
  void operator()(const Text& text) const {
    checkPlacement(text.placement, "the text's placement");
    requireFinite(text.height, "the text height");
    if (text.height <= 0.0) throw InvalidInput("the text height must be greater than 0");
    checkStyle(text.style, styles);
  }
  void operator()(const Ellipse& ellipse) const { geom::validatedEllipse(ellipse.shape); }
  void operator()(const Line& line) const {
    requireFinite(line.start, "the line's start point");
    requireFinite(line.end, "the line's end point");
  }
  void operator()(const Polyline3d& polyline) const {
    for (const auto& vertex : polyline.vertices) requireFinite(vertex, "a polyline vertex");
  }
  void operator()(const Point& point) const { requireFinite(point.position, "the point"); }
  void operator()(const Circle& circle) const {
    requireFinite(circle.centre, "the centre");
    checkRadius(circle.radius);
    requireNonZero(circle.normal, "the normal");
  }
  void operator()(const Arc& arc) const {
    requireFinite(arc.centre, "the centre");
    checkRadius(arc.radius);
    requireNonZero(arc.normal, "the normal");
    requireFinite(arc.startAngle, "the start angle");
    requireFinite(arc.endAngle, "the end angle");
  }
  void operator()(const Polyline2d& polyline) const {
    for (const auto& vertex : polyline.vertices) {
      if (!vertex.point.allFinite()) {
        throw InvalidInput("a polyline vertex must have finite coordinates");
      }
      requireFinite(vertex.bulge, "a polyline bulge");
    }
    requireFinite(polyline.elevation, "the polyline elevation");
    requireNonZero(polyline.extrusion, "the extrusion direction");
  }
  void operator()(const MText& text) const {
    requireFinite(text.insertion, "the insertion point");
    requireFinite(text.height, "the text height");
    if (text.height <= 0.0) throw InvalidInput("the text height must be greater than 0");
    requireNonZero(text.direction, "the text direction");
    requireNonZero(text.normal, "the text normal");
    requireFinite(text.width, "the text width");
    checkStyle(text.style, styles);
  }
  void operator()(const UnsupportedEntity&) const {}
};

}  // namespace

void checkEntityData(const EntityData& data, const BlockTable& blocks,
                     const TextStyleTable& styles) {
  std::visit(Checker{blocks, styles}, data);
}

}  // namespace host::model
