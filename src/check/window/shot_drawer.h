#pragma once

#include "cad/automation.h"
#include "check/window/check_window.h"
#include "check/window/vector_drawer.h"

namespace check {

// The drawer the check window draws the shots of a check against a surface or along an
// alignment with, when it is opened from a drawing: into `drawing` through the automation
// interface, as one batch of `batch` (the built-in host: one undo step), as `kestova check
// --dxf` draws them.
ShotDrawer shotDrawerFor(cad::Ref<cad::Document> drawing, DrawingBatch batch = {});

}  // namespace check
