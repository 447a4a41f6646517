#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "host/model/document.h"
#include "host/view-core/colour_palette.h"
#include "host/view-core/line_weight.h"
#include "host/view-core/point_symbols.h"

namespace host::view {

// How a layer's entities are shown. The document models a layer's name, colour and whether it
// is off or frozen; its line type and a true colour come from its entry in the file the drawing
// was read from (a new layer is continuous, of its colour index).
struct LayerDisplay {
  Rgb colour = kForeground;
  bool on = true;
  bool frozen = false;
  std::string lineType;  // its name in one case (model::foldedName); empty: continuous
  int lineWeight = kLineWeightDefault;  // hundredths of a millimetre, or the drawing's default

  bool shown() const { return on && !frozen; }
};

// A line type's dashes and gaps in drawing units, as its LTYPE entry gives them: positive a
// dash, negative a gap, 0 a dot. Empty for a continuous line.
using DashPattern = std::vector<double>;

// How the drawing's tables say its entities are shown.
struct DrawingDisplay {
  std::vector<LayerDisplay> layers;  // by layer index
  // By name in one case (model::foldedName); only line types with dashes.
  std::unordered_map<std::string, DashPattern> lineTypes;
  double lineTypeScale = 1.0;                          // $LTSCALE, every pattern's scale
  PointStyle pointStyle;                               // $PDMODE, $PDSIZE
  int defaultLineWeight = kStandardDefaultLineWeight;  // $LWDEFAULT, hundredths of a millimetre
  bool lineWeightsShown = false;                       // $LWDISPLAY, as the drawing was saved
};

DrawingDisplay drawingDisplay(const model::Document& document);

}  // namespace host::view
