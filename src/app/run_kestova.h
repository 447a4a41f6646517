#pragma once

#include <functional>

#include "app/command_boundaries.h"
#include "cad/launcher.h"

namespace app {

// Loads the main dialog against `launcher`, shows it and runs the application's event loop
// until the last window closes; `showHelp` shows the help notes modally (F1). Needs a
// QApplication. Returns the loop's exit code. The start-up and every Insert run within
// `boundaries` when given (the built-in host's undo steps).
int runKestova(cad::Launcher& launcher, std::function<void()> showHelp,
               CommandBoundaries* boundaries = nullptr);

}  // namespace app
