#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace host::model {

// An entity's colour as a drawing file holds it: an index into the standard colour table, or
// the layer's or the block reference's colour, and optionally a true colour that takes its place
// where the program can show it.
struct Colour {
  static constexpr int kByBlock = 0;
  static constexpr int kByLayer = 256;

  int index = kByLayer;                     // kByBlock, 1..255, or kByLayer
  std::optional<std::uint32_t> trueColour;  // 0xRRGGBB

  friend bool operator==(const Colour&, const Colour&) = default;
};

// What every entity has besides its geometry: how it is shown. Values as a drawing file holds
// them, so that an entity read and written again keeps them exactly.
struct EntityProperties {
  static constexpr int kLineWeightByLayer = -1;

  Colour colour;
  std::optional<std::uint32_t> transparency;  // 0x020000AA (alpha AA), 0x01000000 ByBlock
  std::string lineType;                       // a line type's name; empty: ByLayer
  double lineTypeScale = 1.0;
  int lineWeight = kLineWeightByLayer;  // hundredths of a millimetre, or -1 ByLayer, -2 ByBlock,
                                        // -3 the drawing's default
  bool visible = true;
  double thickness = 0.0;  // extruded along the normal, for the kinds that have one

  friend bool operator==(const EntityProperties&, const EntityProperties&) = default;
};

}  // namespace host::model
