#pragma once

#include <cstddef>
#include <string>

#include "check/check_report.h"

namespace check {

// How the PDF and the workbook show the deviations of one component: converted to the report's
// unit when one is asked and the component is a length, else as the check wrote them.
struct DeviationScale {
  double factor = 1.0;  // the check's value times this
  int decimals = 3;     // never fewer places than the check's: 3 in metres, 0 in millimetres
  std::string unit;     // "mm"; empty when the check's own (the point files' unit)
  std::string numberFormat;

  double value(double checked) const { return checked * factor; }
  std::string text(double checked) const;
  // The component's heading with the unit: "dx (mm)", or the heading alone.
  std::string heading(const std::string& componentHeading) const;
};

DeviationScale deviationScale(const CheckReport& report, std::size_t component);

}  // namespace check
