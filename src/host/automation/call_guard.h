#pragma once

#include <string>
#include <utility>

#include "cad/automation_error.h"
#include "host/automation/hosted_drawing.h"
#include "host/geom/invalid_input.h"

namespace host {

// What an automation client sees for a method that fails: DISP_E_EXCEPTION.
inline constexpr long kMethodFailed = -2147352567;

inline cad::AutomationError methodFailed(std::string description) {
  return cad::AutomationError(kMethodFailed, std::move(description));
}

// Runs one automation call against a drawing: a closed drawing refuses it, its changes form one
// undo step, and input the drawing refuses comes back as a failing method. The drawing refuses
// before it changes, so a failed call leaves it as it was.
template <class Call>
auto guardedCall(const HostedDrawing& drawing, Call&& call) {
  model::Document::UndoGroup step(drawing.model());
  try {
    return std::forward<Call>(call)();
  } catch (const InvalidInput& refused) {
    throw methodFailed(refused.what());
  }
}

}  // namespace host
