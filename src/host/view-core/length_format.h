#pragma once

#include <string>

namespace host::view {

// A length or coordinate with `decimals` decimals, as the drawing's precision shows it: a point
// as the decimal separator whatever the locale, and no "-0.000" for what rounds to zero.
std::string formatLength(double value, int decimals);

// "x,y,z" with the drawing's precision, as points are echoed in the command line.
std::string formatPoint(double x, double y, double z, int decimals);

}  // namespace host::view
