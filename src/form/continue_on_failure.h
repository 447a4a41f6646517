#pragma once

#include <optional>

#include "cad/automation_error.h"

namespace form {

// Start-up's error mode: a step that fails is skipped, its error becomes the last error, and
// the next step runs. Only the attach and start steps look at the last error.
class ContinueOnFailure {
 public:
  // Runs `step`; whether it completed.
  template <class Step>
  bool run(Step&& step) {
    try {
      step();
      return true;
    } catch (const cad::AutomationError& error) {
      lastError_ = error;
      return false;
    }
  }

  const std::optional<cad::AutomationError>& lastError() const { return lastError_; }
  void clear() { lastError_.reset(); }

 private:
  std::optional<cad::AutomationError> lastError_;
};

}  // namespace form
