#pragma once

#include <memory>
#include <stop_token>

#include "check/surface_run.h"
#include "check/window/shot_check.h"

namespace check {

// Checks the shots against the design surface as `kestova check --against surface` does, in
// the worker thread that calls it. Throws what checkSurface throws.
std::shared_ptr<const ShotCheck> checkShotsOnSurface(const SurfaceRequest& request,
                                                     std::stop_token stop);

}  // namespace check
