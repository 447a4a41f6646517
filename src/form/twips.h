#pragma once

namespace form {

// Window geometry is designed in twips (1/1440 inch). Converts to pixels at the given logical
// DPI (15 twips a pixel at 96 dpi), rounded to the nearest pixel. A DPI that is not a positive
// number fails with std::invalid_argument.
int twipsToPixels(int twips, double logicalDpi);

}  // namespace form
