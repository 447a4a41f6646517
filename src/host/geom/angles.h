#pragma once

#include <numbers>

// The one rule by which circles, arcs and elliptical arcs are brought into one turn wherever
// geometry is computed from them. The drawing keeps the angles as they were given; only what
// is drawn, snapped to or derived from them is normalised.
namespace host::geom {

inline constexpr double kFullTurn = 2.0 * std::numbers::pi;

// An arc's extent: it starts at `start`, in [0, 2 pi), and runs counter-clockwise through
// `sweep`, in (0, 2 pi]. A sweep of exactly 2 pi is a whole turn.
struct AngleSpan {
  double start = 0.0;
  double sweep = kFullTurn;

  double end() const { return start + sweep; }
  bool isFullTurn() const { return sweep == kFullTurn; }
};

// The arc from `start` counter-clockwise to `end`, angles in radians of any size: an end below
// the start is reached a turn later, and ends that meet (equal to within the rounding of the
// values given, such as 90 and 450 degrees) make a whole turn. Takes time independent of the
// values. Non-finite values give a non-finite span; the drawing's checks refuse them first.
AngleSpan oneTurn(double start, double end);

}  // namespace host::geom
