#pragma once

#include <memory>

#include "cad/launcher.h"

namespace cad::com {

// The launcher that reaches the CAD program through COM by its ProgID: attaching finds the
// instance registered as running, creating starts a new one. Initialises COM on the calling
// thread, which must be the dialog's thread, and keeps it initialised while any object
// obtained through it lives.
std::unique_ptr<Launcher> makeLauncher();

}  // namespace cad::com
