#pragma once

#include <cstdint>

namespace host::view {

// A colour as 0xRRGGBB, or kForeground.
using Rgb = std::uint32_t;
// The window's foreground colour, which colour index 7 stands for: white on the dark
// background. Outside 0xRRGGBB, so no true colour is mistaken for it.
inline constexpr Rgb kForeground = 0x01000000;

// The colour of a standard colour index 1..255; kForeground for 7 and for any index outside
// the table (ByLayer and ByBlock are resolved before a colour is looked up).
Rgb indexColour(int index);

}  // namespace host::view
