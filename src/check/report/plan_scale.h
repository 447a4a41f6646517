#pragma once

namespace check::report {

// The largest round number (1, 2 or 5 times a power of ten) not above `value` (> 0).
double roundNumberAtMost(double value);

// How many times longer than life the plan draws the deviation vectors: a round factor, at
// least 1, that draws a vector `length` long (the median one, say) about `targetMm` long on a
// plan of `mmPerUnit`. Without deviations, 1.
double vectorExaggeration(double length, double mmPerUnit, double targetMm);

}  // namespace check::report
