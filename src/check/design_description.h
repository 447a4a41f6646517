#pragma once

#include <string>

#include "check/alignment_options.h"
#include "survey/alignment.h"
#include "survey/tin_surface.h"

// A design surface or an alignment in a few words, as the check reads it: what the user sees of
// the design before checking against it, and what the summary says of it.
namespace check {

// "Surface 'Formation': 9 points, 8 faces\nPlan extent: east 1000.000 to 1040.000, north
// 2000.000 to 2020.000".
std::string describeSurface(const survey::TinSurface& surface);

// "alignment 'Kerb line'" of a LandXML file, "the polyline on layer 'AXIS'" of a drawing.
std::string alignmentNamed(const survey::Alignment& alignment, const AlignmentOptions& options);

// "chainage 100.000 to 181.416, 2 elements, with a profile", with `decimals` places.
std::string alignmentExtent(const survey::Alignment& alignment, int decimals);

}  // namespace check
