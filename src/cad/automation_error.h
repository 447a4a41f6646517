#pragma once

#include <stdexcept>
#include <string>

namespace cad {

// A failing automation call: the error number and the description a user of automation
// scripts knows. Every member of the interface throws this and nothing else.
class AutomationError : public std::runtime_error {
 public:
  AutomationError(long number, std::string description);

  long number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  long number_;
  std::string description_;
};

// The errors the program itself raises, with their customary numbers.
AutomationError overflowError();        // 6 "Overflow"
AutomationError divisionByZeroError();  // 11 "Division by zero"
AutomationError objectNotSetError();    // 91 "Object variable or With block variable not set"

}  // namespace cad
