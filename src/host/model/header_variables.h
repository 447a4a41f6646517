#pragma once

#include "host/model/entities.h"

namespace host::model {

// Drawing settings kept in the file header. The current UCS and the active text style are
// kept by the document itself.
struct HeaderVariables {
  int luprec = 4;               // linear unit precision: decimals shown, 0 to 8
  bool tilemode = true;         // true: model space is the active space; false: the paper layout
  int insunits = 0;             // drawing units code, 0 unitless
  int lunits = 2;               // how lengths are written: 2 decimal, 4 architectural ...
  LayerIndex currentLayer = 0;  // the layer new entities go on
  double elevation = 0.0;       // the height in the current UCS a point picked in empty space has

  friend bool operator==(const HeaderVariables&, const HeaderVariables&) = default;
};

}  // namespace host::model
