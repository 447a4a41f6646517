#pragma once

#include <ostream>

#include "check/check_command.h"
#include "check/check_options.h"

namespace check {

// `kestova check --against surface`: the shots checked against the design surface, the CSV
// written and the shots drawn (with `writeDxf`) when asked, and the summary printed. Returns the
// exit status as runCheckCommand does: 0 every shot on the surface and within tolerance, 1 some
// outside either.
int runSurfaceCheck(const CheckOptions& options, const SurfaceDrawingWriter& writeDxf,
                    std::ostream& out, std::ostream& err);

}  // namespace check
