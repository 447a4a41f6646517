#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cad/types.h"

// What a drawing of deviations shows and where it goes.
namespace insert {

// One deviation: its value, which decides the way its arrow points (a zero deviation gets a
// double-headed arrow), and its label as written, with the minus sign of a negative value.
struct Deviation {
  double value = 0.0;
  std::string text;
};

// How a Z deviation is drawn: its value in an ellipse flat in the frame's XY plane (for plan
// views), or an arrow stood up along the frame's Z axis (for 3D views).
enum class ZStyle { Bubble, Arrow };

struct VectorSpec {
  // The deviations along the frame's axes; an axis left empty is not drawn.
  std::optional<Deviation> x;
  std::optional<Deviation> y;
  std::optional<Deviation> z;
  ZStyle zStyle = ZStyle::Arrow;
  // Grouped: every axis at one base point, and a leader from it. Otherwise each axis at a point
  // of its own.
  bool grouped = true;
  // The labels' height and the scale of every arrow, in drawing units.
  double textHeight = 1.0;
};

// A point in the frame's coordinates, asked for when the drawing reaches it: a user picking
// points sees each axis drawn before the next point is asked for.
using PointSource = std::function<cad::Point3()>;

// Two world points on the axis a Z arrow is stood up about.
struct TurnAxis {
  cad::Point3 from;
  cad::Point3 to;
};

// Where a drawing goes. Only the sources the drawing reaches are asked, each once; a source it
// reaches must be given.
struct Placement {
  // Takes the frame's coordinates to world coordinates.
  cad::Matrix4 frame = cad::Matrix4::Identity();
  // Grouped: the base point of every axis, asked for before anything is drawn.
  PointSource basePoint;
  // Separately: each axis's base point.
  PointSource xPoint;
  PointSource yPoint;
  PointSource zPoint;
  // Grouped: where the leader from the base point ends, asked for once the axes are drawn. None
  // draws no leader.
  PointSource leaderEnd;
  // The axis a Z arrow is stood up about, asked for once its base point is known. None turns
  // it about the line through its base point along the frame's X axis.
  std::function<TurnAxis()> zTurnAxis;
};

}  // namespace insert
