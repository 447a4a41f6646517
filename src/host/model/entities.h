#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <Eigen/Geometry>

#include "host/geom/ellipse.h"
#include "host/model/entity_properties.h"
#include "host/model/raw_groups.h"

// The entity kinds a drawing holds. Coordinates are world coordinates of the block the entity
// belongs to (model space, paper space or a block definition) unless a field says otherwise.
namespace host::model {

using Handle = std::uint64_t;  // unique within a document, never reused
// Handles run from 1 to this. It is never handed out afresh: a drawing that reaches it (an
// entity or the file's handle seed there) has used up its handles and cannot take new ones.
constexpr Handle kLastHandle = ~Handle{0};

// The handle after `handle`, or kLastHandle at the end of the range: never wraps to 0.
constexpr Handle handleAfter(Handle handle) {
  return handle == kLastHandle ? kLastHandle : handle + 1;
}
using LayerIndex = std::uint32_t;  // index into the layer table
using StyleIndex = std::uint32_t;  // index into the text style table
using BlockIndex = std::uint32_t;  // index into the block table

// Where an insert or a text stands: an affine map held as its 3x4 matrix, the bottom row of a
// 4x4 one being always 0 0 0 1.
using Placement = Eigen::Transform<double, 3, Eigen::AffineCompact, Eigen::DontAlign>;

// An insert of a block definition. `placement` maps the block's coordinates, taken relative
// to its base point, to world coordinates: at creation translation(insertion point) *
// rotation about Z * scale(x, y, z); any later transformation is composed onto it exactly.
struct BlockReference {
  BlockIndex block = 0;
  Placement placement = Placement::Identity();
};

// A single-line, left-aligned text. `placement` maps text coordinates to world: origin at the
// insertion point, X along the baseline, Z the normal of its plane; unit scale at creation.
// The glyphs are `height` high in text coordinates.
struct Text {
  std::string text;
  Placement placement = Placement::Identity();
  double height = 1.0;
  StyleIndex style = 0;
};

struct Ellipse {
  geom::EllipseArc shape;
};

struct Line {
  Eigen::Vector3d start = Eigen::Vector3d::Zero();
  Eigen::Vector3d end = Eigen::Vector3d::Zero();
};

struct Polyline3d {
  std::vector<Eigen::Vector3d> vertices;
  bool closed = false;
};

struct Point {
  Eigen::Vector3d position = Eigen::Vector3d::Zero();
};

struct Circle {
  Eigen::Vector3d centre = Eigen::Vector3d::Zero();
  double radius = 1.0;
  Eigen::Vector3d normal = Eigen::Vector3d::UnitZ();  // unit
};

// Angles in radians, counter-clockwise about the normal, measured from the X axis of the
// object coordinate system of the normal (geom::objectCoordinateSystem).
struct Arc {
  Eigen::Vector3d centre = Eigen::Vector3d::Zero();
  double radius = 1.0;
  Eigen::Vector3d normal = Eigen::Vector3d::UnitZ();  // unit
  double startAngle = 0.0;
  double endAngle = 0.0;
};

// A lightweight 2D polyline: vertices in the object coordinate system of `extrusion`, lying at
// height `elevation` along it. A bulge is tan(included angle / 4) of the segment that starts at
// the vertex, positive counter-clockwise; 0 is straight.
struct Polyline2d {
  struct Vertex {
    Eigen::Vector2d point = Eigen::Vector2d::Zero();
    double bulge = 0.0;
  };
  std::vector<Vertex> vertices;
  double elevation = 0.0;
  Eigen::Vector3d extrusion = Eigen::Vector3d::UnitZ();  // unit
  bool closed = false;
};

// Multi-line text: `direction` is the unit X axis of the text, `normal` its plane's unit
// normal; `width` is the wrapping width of the box (0: no wrapping).
struct MText {
  Eigen::Vector3d insertion = Eigen::Vector3d::Zero();
  std::string text;
  double height = 1.0;
  Eigen::Vector3d direction = Eigen::Vector3d::UnitX();
  Eigen::Vector3d normal = Eigen::Vector3d::UnitZ();
  double width = 0.0;
  StyleIndex style = 0;
};

// An entity this program does not model, kept exactly as read from a file so that saving
// loses nothing: its type name and its groups in file order.
struct UnsupportedEntity {
  std::string type;
  RawGroups groups;
};

using EntityData = std::variant<BlockReference, Text, Ellipse, Line, Polyline3d, Point, Circle, Arc,
                                Polyline2d, MText, UnsupportedEntity>;

// Where an entity read from a file stands with its record there, which the file layer may keep
// (see ForeignContent) to write back what this program does not model of it.
struct EntityOrigin {
  static constexpr std::uint32_t kNoRecord = UINT32_MAX;

  std::uint32_t record = kNoRecord;  // the file layer's index of the kept record
  bool asRead = false;               // unchanged since it was read: the record holds it whole
};

struct Entity {
  Handle handle = 0;
  LayerIndex layer = 0;
  SharedProperties properties;
  EntityData data;
  EntityOrigin origin;
};

}  // namespace host::model
