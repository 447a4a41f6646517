#pragma once

#include <compare>
#include <cstdint>
#include <optional>

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

// What every entity has besides its geometry: how it is shown.
struct EntityProperties {
  Colour colour;

  friend bool operator==(const EntityProperties&, const EntityProperties&) = default;
};

}  // namespace host::model
