#include "host/geom/angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace host::geom {
namespace {

// The angle in [0, 2 pi) that points the same way. fmod is exact, so the only rounding is when
// a tiny negative angle plus a turn comes out as a whole turn.
double intoOneTurn(double angle) {
  double reduced = std::fmod(angle, kFullTurn);
  if (reduced < 0.0) reduced += kFullTurn;
  return reduced >= kFullTurn ? 0.0 : reduced;
}

}  // namespace

AngleSpan oneTurn(double start, double end) {
  const double from = intoOneTurn(start);
  double sweep = intoOneTurn(end) - from;
  if (sweep <= 0.0) sweep += kFullTurn;
  // Angles a turn apart rarely come out exactly a turn apart once written to a file and read
  // back (450 degrees in radians less a turn is not exactly 90 degrees): a sweep within a few
  // roundings of the larger value from nothing or from a whole turn is a whole turn.
  const double rounding = 4.0 * std::numeric_limits<double>::epsilon() *
                          std::max({std::abs(start), std::abs(end), kFullTurn});
  if (sweep <= rounding || sweep >= kFullTurn - rounding) sweep = kFullTurn;
  return {from, sweep};
}

}  // namespace host::geom
