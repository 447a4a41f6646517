#pragma once

#include <ostream>

#include "check/check_command.h"
#include "check/check_options.h"

namespace check {

// What the program hands a surface check to draw its reports with.
struct SurfaceWriters {
  SurfaceDrawingWriter dxf;
  SurfacePdfWriter pdf;
};

// `kestova check --against surface`: the shots checked against the design surface, the CSV
// written, the shots drawn and the PDF report written (with `writers`) when asked, and the
// summary printed. Returns the exit status as runCheckCommand does: 0 every shot on the surface
// and within tolerance, 1 some outside either.
int runSurfaceCheck(const CheckOptions& options, const SurfaceWriters& writers, std::ostream& out,
                    std::ostream& err);

}  // namespace check
