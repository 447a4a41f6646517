#include "check/check_report.h"

#include "form/number_format.h"

namespace check {

std::string CheckReport::number(double value) const {
  return form::formatWithDP(value, numberFormat, ".");
}

}  // namespace check
