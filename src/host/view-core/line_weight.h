#pragma once

namespace host::view {

// Lineweights as a drawing file holds them (group 370): hundredths of a millimetre, or one of
// these stand-ins resolved where the entity shows.
inline constexpr int kLineWeightByLayer = -1;
inline constexpr int kLineWeightByBlock = -2;
inline constexpr int kLineWeightDefault = -3;
// What a drawing without $LWDEFAULT draws its default lineweight as.
inline constexpr int kStandardDefaultLineWeight = 25;
// The heaviest standard lineweight; a heavier value in a damaged file draws as this.
inline constexpr int kHeaviestLineWeight = 211;

// Whether lines are drawn as heavy as their lineweights say, and the screen's resolution that
// turns millimetres into pixels.
struct LineWeightDisplay {
  bool shown = false;
  double dotsPerInch = 96.0;
};

// The width in pixels a line of `hundredths` of a millimetre is drawn with, whatever the zoom:
// weights up to 0.25 mm are one pixel, heavier ones as wide as they are on this screen, rounded
// and at least one pixel.
double lineWeightPixels(int hundredths, double dotsPerInch);

}  // namespace host::view
