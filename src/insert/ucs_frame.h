#pragma once

#include "cad/automation.h"
#include "insert/insert_run.h"

namespace insert {

// The UCS whose matrix places a run's entities: the current UCS when it has a name; otherwise
// a copy of the current UCS saved as "OriginalUCS", which stays in the drawing and is not made
// active.
UcsFrame establishFrame(cad::Document& doc);

}  // namespace insert
