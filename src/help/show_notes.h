#pragma once

#include <memory>

#include "help/frm_screen_print.h"

namespace help {

// A new notes window, filled and captioned, not yet shown. Each call builds a fresh window, so
// nothing typed into an earlier one survives.
std::unique_ptr<frmScreenPrint> filledNotesWindow();

// F1 in the main dialog: shows the notes modally, with no owner window, and returns once the
// user has closed them. The window is destroyed on return.
void ShowNotes();

}  // namespace help
