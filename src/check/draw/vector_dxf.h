#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cad/automation.h"
#include "check/check_command.h"

namespace check::draw {

// `kestova check --dxf`: reads the job's drawing (or starts a new one) into the built-in CAD
// host, with no window, draws every pair of `report` into it and saves it as the job's output,
// leaving the drawing it read untouched. Throws std::exception naming the file that cannot be
// read or written. Returns what the saved file leaves out of the drawing (see
// VectorDrawingWriter).
std::vector<std::string> saveVectorDrawing(const VectorDrawingJob& job, const CheckReport& report);

// What every check's --dxf does: the job's drawing (or a new one) read into the built-in CAD
// host, `draw` run on it, and the result saved as the job's output. A failing `draw` is
// reported as "OUT: the `what` could not be drawn: ...". Throws and returns as above.
std::vector<std::string> saveDrawnCopy(const VectorDrawingJob& job, const std::string& what,
                                       const std::function<void(cad::Document&)>& draw);

}  // namespace check::draw
