#include "form/failure_message.h"

#include <new>

#include "cad/automation_error.h"

namespace form {

std::string failureMessage(const std::exception& error) {
  long number = 51;
  std::string description = std::string("Internal error: ") + error.what();
  if (const auto* automation = dynamic_cast<const cad::AutomationError*>(&error)) {
    number = automation->number();
    description = automation->description();
  } else if (dynamic_cast<const std::bad_alloc*>(&error)) {
    number = 7;
    description = "Out of memory";
  }
  return "Error " + std::to_string(number) + ": " + description;
}

}  // namespace form
