#pragma once

#include "check/check_command.h"

namespace check::draw {

// `kestova check --dxf`: reads the job's drawing (or starts a new one) into the built-in CAD
// host, with no window, draws every pair of `report` into it and saves it as the job's output,
// leaving the drawing it read untouched. Throws std::exception naming the file that cannot be
// read or written. Returns what the saved file leaves out of the drawing (see
// VectorDrawingWriter).
std::vector<std::string> saveVectorDrawing(const VectorDrawingJob& job, const CheckReport& report);

}  // namespace check::draw
