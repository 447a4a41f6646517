#pragma once

#include "host/dxf/source_drawing.h"
#include "host/model/drawing_description.h"

namespace host::dxf {

// How a drawing's file says its entities show: its layers' line types, lineweights and true
// colours (groups 6, 370, 420 of their entries), its line types' dashes (groups 49), and the
// header's $LTSCALE, $PDMODE, $PDSIZE, $LWDEFAULT and $LWDISPLAY.
model::DisplaySettings displaySettings(const SourceDrawing& source,
                                       const model::Document& document);

}  // namespace host::dxf
