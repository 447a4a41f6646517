#pragma once

#include <string>
#include <vector>

#include "cad/automation.h"
#include "check/check_command.h"
#include "check/surface_run.h"

// The shots of a surface check drawn into a drawing: each one's dz as a cut or fill arrow.
namespace check::draw {

// Draws each shot of `run` at its plan position: the dialog's Z arrow laid flat so that it
// points up the drawing for fill and down for cut, labelled with the signed dz at the check's
// decimals ("+0.012", "-0.031"), on DEV-PASS or DEV-FAIL; a shot outside the surface gets a
// circle and its id on DEV-OUTSIDE. The layers and the arrow block are added as needed. Every
// entity drawn carries the check's tag, and what earlier checks drew is erased unless the
// settings keep it (see earlier_check.h). Fails
// with cad::AutomationError at the first failing step, std::invalid_argument for a text height
// that is not a number greater than 0.
void drawSurfaceShots(cad::Document& drawing, const SurfaceRun& run, const DrawSettings& settings);

// `kestova check --against surface --dxf`: as saveVectorDrawing, with the shots of `run`.
std::vector<std::string> saveSurfaceDrawing(const VectorDrawingJob& job, const SurfaceRun& run);

}  // namespace check::draw
