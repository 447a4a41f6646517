#pragma once

#include <vector>

#include "host/geom/frame.h"
#include "survey/component.h"
#include "survey/pairing.h"
#include "survey/point_file.h"

namespace check {

// How far the repeated shots of each pair lie apart: per component of the point check (dx, dy,
// dz along `frame`, dH), the largest of the shots' values minus the smallest. One entry per
// pair of `pairing`, empty for a pair of a single shot; a component none of the shots has (dz
// without heights) has none.
std::vector<survey::ComponentValues> shotSpreads(const survey::Pairing& pairing,
                                                 const survey::PointFile& design,
                                                 const survey::PointFile& surveyed,
                                                 const host::geom::Frame& frame);

}  // namespace check
