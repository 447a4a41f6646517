#pragma once

#include <span>
#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "host/geom/ellipse.h"
#include "host/model/block_expansion.h"
#include "host/model/document.h"

namespace host::model {

// A text as placed in the world: `placement` maps text coordinates (X along the baseline, Y
// up, glyphs `height` high) to world coordinates, with any scale of enclosing inserts.
struct WorldText {
  std::string text;
  Eigen::Affine3d placement = Eigen::Affine3d::Identity();
  double height = 1.0;
  StyleIndex style = 0;
  double wrapWidth = 0.0;  // multi-line text only; 0 no wrapping
};

struct WorldPolyline {
  std::vector<Eigen::Vector3d> points;
  bool closed = false;
};

// What an entity draws, in world coordinates. Lines and polylines (arcs of 2D polylines
// broken into short chords) come as polylines; circles, arcs and ellipses as elliptical arcs
// with their parameters in one turn (geom::inOneTurn).
struct WorldGeometry {
  std::vector<WorldPolyline> polylines;
  std::vector<Eigen::Vector3d> points;
  std::vector<WorldText> texts;
  std::vector<geom::EllipseArc> ellipses;
};

// Receives world geometry piece by piece (for drawing without collecting).
class GeometrySink {
 public:
  virtual ~GeometrySink() = default;
  virtual void polyline(const WorldPolyline& polyline) = 0;
  virtual void point(const Eigen::Vector3d& position) = 0;
  virtual void text(const WorldText& text) = 0;
  virtual void ellipse(const geom::EllipseArc& ellipse) = 0;
};

// Emits the world geometry of `entities` of `document` (those of model space, say), inserts
// followed into their blocks by expandBlocks. An entity whose world coordinates overflow (a huge
// point in a hugely scaled insert) is left out, so that nothing non-finite reaches the sink.
// Unsupported entities draw nothing. Returns what was not shown.
EntitiesNotShown emitWorldGeometry(const Document& document, std::span<const Entity> entities,
                                   GeometrySink& sink, const ExpansionLimits& limits = {});

// Emits what one entity placed by `toWorld` (its block's transformation to world coordinates)
// draws, when every coordinate of it is finite; false when one is not. An insert draws nothing
// itself, nor does an unsupported entity.
bool emitEntityGeometry(const Entity& entity, const Eigen::Affine3d& toWorld, GeometrySink& sink);

// What one entity draws, collected.
WorldGeometry worldGeometry(const Document& document, const Entity& entity);

}  // namespace host::model
