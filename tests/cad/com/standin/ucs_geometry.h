#pragma once

#include "standin/values.h"

// The drawing's coordinate systems, worked out by hand so that the stand-in shares no code
// with the program it checks.
namespace standin {

struct Frame {
  Point origin;
  Point xAxis;
  Point yAxis;
  Point zAxis;

  // UCS-to-world: the axes as columns, the origin in column 3.
  Matrix matrix() const;
  Point toWorld(const Point& ucs, bool displacement) const;
  Point toUcs(const Point& world, bool displacement) const;
};

// The current UCS of the drawing: turned a quarter about Z and moved off the origin.
Frame currentUcs();

// The frame through an origin, a point on the X axis and one in the XY plane on the side of
// positive Y; fails for axes of no length or in line.
Frame frameThrough(const Point& origin, const Point& xPoint, const Point& yPoint);

}  // namespace standin
