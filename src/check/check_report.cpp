#include "check/check_report.h"

#include "numbers/number_format.h"

namespace check {

std::string CheckReport::number(double value) const {
  return numbers::formatWithDP(value, numberFormat, ".");
}

}  // namespace check
