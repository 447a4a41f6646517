#pragma once

#include "check/window/point_file_box.h"

namespace check {

class AgainstChoice;

// How the design box describes a LandXML file or a drawing for the check `choice` holds: the
// surface or the alignment read with its options, as the check reads it; none for design
// points, whose file is previewed by its lines.
PointFileBox::DesignDescriber designDescriberFor(const AgainstChoice& choice);

}  // namespace check
