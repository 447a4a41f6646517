#pragma once

#include "cad/automation.h"
#include "insert/vector_spec.h"

namespace insert {

// Draws the deviations of `vectors` into `space`, each arrow and label laid out in the frame's
// coordinates and moved into place with its matrix: X and Y as arrows along the frame's axes,
// then Z, then the leader. A negative deviation's arrow points the other way and its label
// drops the minus sign; a zero deviation gets a double-headed arrow labelled "0". A grouped Z
// bubble sits in the quadrant the X and Y arrows point into. The arrow block must be in the
// drawing. Fails with cad::AutomationError at the first failing step, a coordinate beyond the
// range of a double included; what was drawn before stays.
void drawVectors(cad::ModelSpace& space, const VectorSpec& vectors, const Placement& placement);

}  // namespace insert
