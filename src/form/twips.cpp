#include "form/twips.h"

#include <cmath>
#include <stdexcept>

namespace form {

int twipsToPixels(int twips, double logicalDpi) {
  if (!std::isfinite(logicalDpi) || logicalDpi <= 0)
    throw std::invalid_argument("twipsToPixels: logical DPI must be a positive number");
  constexpr double kTwipsPerInch = 1440.0;
  return static_cast<int>(std::lround(twips * logicalDpi / kTwipsPerInch));
}

}  // namespace form
