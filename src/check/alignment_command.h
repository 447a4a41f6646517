#pragma once

#include <ostream>

#include "check/check_command.h"
#include "check/check_options.h"
#include "check/check_run.h"

namespace check {

// `kestova check --against alignment`: runs the check `request` describes along the alignment
// `options` name, writes the outputs asked for (the drawing with `writeDxf`, the PDF report
// with `writePdf`) and the summary to
// `out`, warnings to `err`. Returns 0 when every shot lies along the alignment within
// tolerance, else 1. Throws what checkAlongAlignment throws, and UsageError for an output this
// check does not write.
int runAlignmentCheck(const CheckOptions& options, const CheckRequest& request,
                      const AlignmentDrawingWriter& writeDxf, const AlignmentPdfWriter& writePdf,
                      std::ostream& out, std::ostream& err);

}  // namespace check
