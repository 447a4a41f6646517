#include "cad/automation_error.h"

#include <utility>

namespace cad {

AutomationError::AutomationError(long number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

AutomationError overflowError() {
  return AutomationError(6, "Overflow");
}

AutomationError divisionByZeroError() {
  return AutomationError(11, "Division by zero");
}

AutomationError objectNotSetError() {
  return AutomationError(91, "Object variable or With block variable not set");
}

}  // namespace cad
