#pragma once

#include <string>

#include "host/geom/frame.h"

namespace check {

// A UCS the check can measure along, as the caller of the check window offers it: the
// drawing's current UCS, a named one, or the world axes when there is no drawing.
struct UcsChoice {
  std::string label;        // as the list shows it: "SITE (current)", "World"
  std::string description;  // as reports name it: "UCS 'SITE' of site.dxf"
  host::geom::Frame frame;
};

// The only choice without a drawing.
inline UcsChoice worldUcs() {
  return {"World", "the world axes", host::geom::Frame()};
}

}  // namespace check
