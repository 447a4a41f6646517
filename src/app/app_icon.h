#pragma once

#include <QIcon>

namespace app {

// The program's icon, in 32 and 16 pixels: two black horizontal arrows pointing in opposite
// directions, the upper one left and the lower one right, each stopping against a short bar.
QIcon kestovaIcon();

}  // namespace app
