#pragma once

#include <string>
#include <vector>

#include "cad/automation.h"
#include "check/alignment_run.h"
#include "check/check_command.h"
#include "check/draw_settings.h"

// The shots of a check along an alignment drawn into a drawing, each in the alignment's frame
// at its chainage.
namespace check::draw {

// Draws each shot of `run` with insert::drawVectors in the frame of the alignment at its
// chainage (X square to the line, to the right; Y along it; Z up), with the shot as origin:
// doffset as an arrow across the line, dz as the Z bubble or arrow, grouped two text heights
// out along the frame's (+X, +Y) diagonal with a leader to the shot, and the id and chainage
// above the group. Passing shots go on DEV-PASS, failing ones on DEV-FAIL; shots outside the
// alignment get a circle and their id and chainage on DEV-OUTSIDE. Every entity drawn carries
// the check's tag, and what earlier checks drew is erased unless the settings keep it (see
// earlier_check.h). A failed batch deletes what it drew and throws cad::AutomationError.
void drawAlignmentShots(cad::Document& drawing, const AlignmentRun& run,
                        const DrawSettings& settings);

// `kestova check --against alignment --dxf`: as saveVectorDrawing, with drawAlignmentShots.
std::vector<std::string> saveAlignmentDrawing(const VectorDrawingJob& job, const AlignmentRun& run);

}  // namespace check::draw
