#pragma once

#include <functional>

#include "cad/launcher.h"

namespace app {

// Loads the main dialog against `launcher`, shows it and runs the application's event loop
// until the last window closes; `showHelp` shows the help notes modally (F1). Needs a
// QApplication. Returns the loop's exit code.
int runKestova(cad::Launcher& launcher, std::function<void()> showHelp);

}  // namespace app
