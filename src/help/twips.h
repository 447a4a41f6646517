#pragma once

namespace help {

// Window geometry is designed in twips (1/1440 inch). Converts to pixels at the given logical
// DPI (15 twips a pixel at 96 dpi), rounded to the nearest pixel.
int twipsToPixels(int twips, double logicalDpi);

}  // namespace help
