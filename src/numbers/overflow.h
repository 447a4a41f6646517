#pragma once

#include <stdexcept>

namespace numbers {

// A number beyond the range of a double, met while reading, rounding or writing one. The
// dialog reports it as its error 6 "Overflow".
class Overflow : public std::overflow_error {
 public:
  Overflow() : std::overflow_error("Overflow") {}
};

}  // namespace numbers
