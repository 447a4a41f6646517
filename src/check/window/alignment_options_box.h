#pragma once

#include "check/alignment_options.h"
#include "check/window/against_options_box.h"

namespace check {

// The options of a check along an alignment: which alignment of a LandXML file or which
// layer's polyline of a drawing, the chainage it starts at, and the design's cross section.
class AlignmentOptionsBox : public AgainstOptionsBox {
 public:
  explicit AlignmentOptionsBox(QWidget* parent);

  // Throws UsageError for a bad value, as the command line does.
  AlignmentOptions options() const;
};

}  // namespace check
