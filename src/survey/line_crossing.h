#pragma once

#include <optional>
#include <string>
#include <vector>

#include "survey/tin_surface.h"

// Lines that cross themselves, which no surface can follow: a breakline over itself, a boundary
// that turns back through itself.
namespace survey {

// Where the line through `points` first crosses itself in plan, if it does (its level is 0).
// With `closed`, the last point joins the first.
std::optional<SurfacePoint> selfCrossing(const std::vector<SurfacePoint>& points,
                                         bool closed = false);

// "(512000.000, 5401000.000)": a position in plan as messages show it.
std::string planText(const SurfacePoint& point);

}  // namespace survey
