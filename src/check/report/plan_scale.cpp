#include "check/report/plan_scale.h"

#include <algorithm>
#include <cmath>

namespace check::report {

double roundNumberAtMost(double value) {
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  // A little slack so that a value that is round, give or take its last bit, stays itself.
  const double leading = value / power * (1.0 + 1e-12);
  const double step = leading >= 5.0 ? 5.0 : leading >= 2.0 ? 2.0 : 1.0;
  return step * power;
}

double vectorExaggeration(double length, double mmPerUnit, double targetMm) {
  if (!(length > 0.0) || !(mmPerUnit > 0.0)) return 1.0;
  return std::max(1.0, roundNumberAtMost(targetMm / (length * mmPerUnit)));
}

}  // namespace check::report
