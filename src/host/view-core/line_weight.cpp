#include "host/view-core/line_weight.h"

#include <algorithm>
#include <cmath>

namespace host::view {
namespace {

constexpr double kMillimetresPerInch = 25.4;
// Up to this weight a line is as thin as the screen draws one.
constexpr int kThinLineWeight = 25;

}  // namespace

double lineWeightPixels(int hundredths, double dotsPerInch) {
  if (hundredths <= kThinLineWeight || !(dotsPerInch > 0.0)) return 1.0;
  const double millimetres = std::min(hundredths, kHeaviestLineWeight) / 100.0;
  return std::max(1.0, std::round(millimetres * dotsPerInch / kMillimetresPerInch));
}

}  // namespace host::view
