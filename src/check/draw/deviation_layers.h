#pragma once

#include <string>

#include "cad/automation.h"

namespace check::draw {

// The layers a check draws on, coloured by the verdict they hold.
inline constexpr char kPassLayer[] = "DEV-PASS";        // green
inline constexpr char kFailLayer[] = "DEV-FAIL";        // red
inline constexpr char kMissingLayer[] = "DEV-MISSING";  // magenta: design points not surveyed
inline constexpr char kOutsideLayer[] =
    "DEV-OUTSIDE";  // grey: shots off the reference (beyond an alignment, off a surface)
inline constexpr cad::Color kPassColor = 3;
inline constexpr cad::Color kFailColor = 1;
inline constexpr cad::Color kMissingColor = 6;
inline constexpr cad::Color kOutsideColor = 8;

// Adds the three layers with their colours. A layer the drawing already has keeps the colour
// its author gave it.
void addDeviationLayers(cad::Document& drawing);

// Adds the layer of shots outside the reference, as addDeviationLayers does its layers.
void addOutsideLayer(cad::Document& drawing);

// Defines the arrow block as start-up does, unless the drawing has one.
void addArrowBlock(cad::Document& drawing);

}  // namespace check::draw
