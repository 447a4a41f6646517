#pragma once

#include <cmath>

#include "cad/automation_error.h"

// Arithmetic that fails the way the handlers' arithmetic faults are reported: 0/0 and any
// result beyond the range of a double give 6 "Overflow", x/0 gives 11 "Division by zero".
namespace cad {

inline double checked(double result) {
  if (!std::isfinite(result)) throw overflowError();
  return result;
}

inline double checkedDivide(double numerator, double denominator) {
  if (denominator == 0.0) {
    if (numerator == 0.0 || std::isnan(numerator)) throw overflowError();
    throw divisionByZeroError();
  }
  return checked(numerator / denominator);
}

}  // namespace cad
