#pragma once

#include <stdexcept>
#include <string>

namespace host {

// Input the drawing refuses: a degenerate axis, a singular matrix, a non-finite number, an
// unknown name. what() is the full description a user sees, "Invalid input: <reason>".
class InvalidInput : public std::runtime_error {
 public:
  explicit InvalidInput(const std::string& reason)
      : std::runtime_error("Invalid input: " + reason) {}
};

}  // namespace host
