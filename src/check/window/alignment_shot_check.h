#pragma once

#include <memory>

#include "check/alignment_options.h"
#include "check/check_run.h"
#include "check/window/shot_check.h"

namespace check {

// Checks the shots along the alignment as `kestova check --against alignment` does, in the
// worker thread that calls it; the rows in order of chainage. Throws what checkAlongAlignment
// throws.
std::shared_ptr<const ShotCheck> checkShotsAlongAlignment(const CheckRequest& request,
                                                          const AlignmentOptions& options);

}  // namespace check
