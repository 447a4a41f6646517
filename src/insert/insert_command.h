#pragma once

#include "insert/dialog.h"

namespace insert {

// The Insert command: draws the ticked deviations of the dialog into the drawing with
// drawVectors, in the current UCS, at the points the user picks as the drawing reaches them.
// Fails with cad::AutomationError at the first failing step; what was drawn before stays, and
// the dialog is left hidden for the caller to report the failure and show it again.
void cmdInsert_Click(DialogControls& form, DialogVariables& vars);

}  // namespace insert
