#pragma once

#include "host/view/drawing_view.h"

namespace desktop {

// With KESTOVA_TIMINGS set in the environment, says on standard error how many milliseconds
// after the program was loaded `view` (of the drawing named on the command line) first showed
// its picture, and when the window then became idle with its snap points sorted: what a user
// waits for, measured by the view benchmark. It also says what a mouse move right after the
// first picture and moves once idle cost the window in processor time (moves made up by the
// program over the middle of the view). With KESTOVA_TIMINGS=quit the program then quits.
void reportLaunchTimings(host::view::DrawingView& view);

}  // namespace desktop
