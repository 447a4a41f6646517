#pragma once

#include "cad/automation_error.h"
#include "numbers/overflow.h"

namespace insert {

// Runs the `body` of one of the dialog's handlers. A number the number rules find beyond the
// range of a double fails as automation error 6 "Overflow", as every overflow of the dialog
// does, so that the user reads the same message whichever rule met it.
template <class Body>
void withOverflowAsAutomationError(Body&& body) {
  try {
    body();
  } catch (const numbers::Overflow&) {
    throw cad::overflowError();
  }
}

}  // namespace insert
