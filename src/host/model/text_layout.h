#pragma once

#include "host/model/world_geometry.h"

namespace host::model {

// How a line of text lies along its baseline. `anchor` is the fraction of its drawn width
// before the origin: 0 left-aligned, 0.5 centred, 1 right-aligned. A `width` above 0 stretches
// it to that many text units, and its height with it when `proportional` (text aligned between
// two points); 0 draws it as wide as its glyphs are.
struct TextFit {
  float anchor = 0.0f;
  float width = 0.0f;
  bool proportional = false;
};

// Where a text's origin lies on it from bottom to top: on the baseline, at the bottom of the
// descenders, halfway up the capitals or at their top. For text of several lines the bottom
// and the middle are those of the whole block and the top that of its first line.
enum class TextVertical { Baseline, Bottom, Middle, Top };

struct TextLayout {
  TextFit fit;
  TextVertical vertical = TextVertical::Baseline;
  // Content with multi-line text's formatting codes, else a single line's %% codes.
  bool multiLine = false;
};

// A text ready to be drawn: where it is, and how it lies about its origin.
struct PlacedText {
  WorldText text;
  TextLayout layout;
};

}  // namespace host::model
