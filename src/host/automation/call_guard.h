#pragma once

#include <string>
#include <utility>

#include "cad/automation_error.h"
#include "host/geom/invalid_input.h"
#include "host/model/document.h"

namespace host {

// What an automation client sees for a method that fails: DISP_E_EXCEPTION.
inline constexpr long kMethodFailed = -2147352567;

inline cad::AutomationError methodFailed(std::string description) {
  return cad::AutomationError(kMethodFailed, std::move(description));
}

// Runs one automation call against `document`: its changes form one undo step, and input the
// drawing refuses comes back as a failing method. The drawing refuses before it changes, so
// a failed call leaves it as it was.
template <class Call>
auto guardedCall(model::Document& document, Call&& call) {
  model::Document::UndoGroup step(document);
  try {
    return std::forward<Call>(call)();
  } catch (const InvalidInput& refused) {
    throw methodFailed(refused.what());
  }
}

}  // namespace host
