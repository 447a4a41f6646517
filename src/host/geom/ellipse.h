#pragma once

#include <numbers>

#include <Eigen/Geometry>

#include "host/geom/angles.h"

namespace host::geom {

// An elliptical arc: centre + majorAxis * cos t + minorAxis() * sin t for t from startParameter
// counter-clockwise (about the normal) to endParameter, the two brought into one turn by
// oneTurn: an end below the start is reached a turn later, ends that meet make a full ellipse.
// A full ellipse runs from 0 to 2 pi.
struct EllipseArc {
  Eigen::Vector3d centre = Eigen::Vector3d::Zero();
  Eigen::Vector3d majorAxis = Eigen::Vector3d::UnitX();  // centre to the end of the major axis
  // Of any non-zero length: a file may give it so, and it is kept as given.
  Eigen::Vector3d normal = Eigen::Vector3d::UnitZ();
  double ratio = 1.0;  // minor / major radius, in (0, 1]
  double startParameter = 0.0;
  double endParameter = 2.0 * std::numbers::pi;

  Eigen::Vector3d minorAxis() const;
  Eigen::Vector3d pointAt(double parameter) const;
  // The parameters brought into one turn.
  AngleSpan span() const { return oneTurn(startParameter, endParameter); }
  bool isFull() const { return span().isFullTurn(); }
};

// The same curve with its parameters in one turn: the start in [0, 2 pi) and the end after it
// by the sweep, so that endParameter - startParameter is in (0, 2 pi].
EllipseArc inOneTurn(const EllipseArc& ellipse);

// Whether every value of the ellipse is finite, as a computed one may not be.
bool isFinite(const EllipseArc& ellipse);

// Checks an ellipse: finite values, a major axis of non-zero length, a normal of non-zero
// length at right angles to it, a ratio in (0, 1]. Returns it with a unit normal. Throws
// InvalidInput naming what is wrong.
EllipseArc validatedEllipse(const EllipseArc& ellipse);

// The exact image of the arc under an affine transformation: the two conjugate semi-diameters
// are mapped and the principal axes recomputed; parameters shift so the same points bound it.
EllipseArc transformed(const EllipseArc& ellipse, const Eigen::Affine3d& transform);

// A circle or circular arc as an elliptical arc whose parameter is the angle in the normal's
// object coordinate system, its parameters in one turn. The arc runs counter-clockwise from
// startAngle to endAngle by the rule of oneTurn. A circle runs from 0 to 2 pi.
EllipseArc circularArc(const Eigen::Vector3d& centre, double radius, const Eigen::Vector3d& normal,
                       double startAngle, double endAngle);

}  // namespace host::geom
