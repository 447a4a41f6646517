#pragma once

#include <string>
#include <vector>

#include "survey/pairing.h"
#include "survey/point.h"

// The mistakes that make a check report kilometres of deviation without being wrong about
// anything it was told: files in other units, easting and northing the wrong way round, a
// survey of another site. The check still runs; these say what to look at.
namespace survey {

// The warnings a check of `survey` against `design` paired as `pairing` deserves:
// - the survey lies further from the design on average than 100 times the largest tolerance
//   (or 1 unit when that is less);
// - it would lie far closer with easting and northing swapped, or scaled from feet or US survey
//   feet to metres or back;
// - more than half the survey matches no design point.
// `largestTolerance` is 0 when no tolerance is set. Distances are horizontal.
std::vector<std::string> plausibilityWarnings(const std::vector<Point>& design,
                                              const std::vector<Point>& survey,
                                              const Pairing& pairing, double largestTolerance);

}  // namespace survey
