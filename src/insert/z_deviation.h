#pragma once

#include "insert/insert_run.h"

namespace insert {

// The Z step drawn for 3D views: laid out like a Y deviation and stood up a quarter turn
// about the UCS X axis through the insert point, so that it points along UCS Z with its label
// upright beside the tip.
void drawZArrow(InsertRun& run);

// The Z step drawn for 2D views: the signed value in an ellipse, flat in the UCS XY plane.
// In Grouped mode it sits in the quadrant the X and Y arrows point into, clear of both.
void drawZBubble(InsertRun& run);

}  // namespace insert
