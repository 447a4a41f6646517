#pragma once

#include <QStringList>

namespace desktop {

// Runs Kestova against its built-in CAD host, as the program does on a desktop without the
// CAD program: `arguments` as QApplication gives them (the program name first, then at most
// one drawing file). A drawing named there is open in a host that is already running, so
// start-up attaches to it without asking; without one, start-up asks whether to start a host
// with a new drawing. Needs a QApplication; returns when the last window has closed, with the
// exit code. A drawing that cannot be read is reported on the terminal and in a message, and
// a wrong command line on the terminal, before any window opens.
int runWithBuiltInHost(const QStringList& arguments);

}  // namespace desktop
