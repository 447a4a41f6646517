#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// A line type's name as entities hold it: a drawing has a few line types and may have millions
// of entities, so each name is held once for the whole program and an entity holds its number.
class LineTypeName {
 public:
  LineTypeName() = default;  // empty: ByLayer
  // Implicit, so that a name is set as a string is.
  LineTypeName(std::string_view name);  // NOLINT(google-explicit-constructor)
  LineTypeName(const std::string& name) : LineTypeName(std::string_view(name)) {}  // NOLINT
  LineTypeName(const char* name) : LineTypeName(std::string_view(name)) {}         // NOLINT

  const std::string& str() const;
  bool empty() const { return id_ == 0; }

  friend bool operator==(LineTypeName, LineTypeName) = default;

 private:
  std::uint32_t id_ = 0;
};

// Extended data that marks an entity as an application's own: the application's name (a 1001
// group, registered in the drawing's APPID table) and one text (a 1000 group). An empty name:
// none. Extended data that a file gives an entity travels with its kept record instead.
struct ExtendedDataTag {
  std::string application;
  std::string text;

  friend bool operator==(const ExtendedDataTag&, const ExtendedDataTag&) = default;
};

// What every entity has besides its geometry: how it is shown, and the tag of the application
// that drew it. Values as a drawing file holds
// them, so that an entity read and written again keeps them exactly.
struct EntityProperties {
  static constexpr int kLineWeightByLayer = -1;

  Colour colour;
  std::optional<std::uint32_t> transparency;  // 0x020000AA (alpha AA), 0x01000000 ByBlock
  LineTypeName lineType;
  double lineTypeScale = 1.0;
  int lineWeight = kLineWeightByLayer;  // hundredths of a millimetre, or -1 ByLayer, -2 ByBlock,
                                        // -3 the drawing's default
  bool visible = true;
  double thickness = 0.0;  // extruded along the normal, for the kinds that have one
  ExtendedDataTag tag;

  friend bool operator==(const EntityProperties&, const EntityProperties&) = default;
};

// The properties an entity holds: most of a drawing's entities share one of a few sets, so each
// set is held once for the whole program (never freed: sets are few, and an entity may outlive
// its document in an undo step or a copy) and an entity holds its number.
class SharedProperties {
 public:
  SharedProperties() = default;  // the default properties
  // Implicit, so that properties are set as a value is.
  SharedProperties(const EntityProperties& properties);  // NOLINT(google-explicit-constructor)

  const EntityProperties& get() const;
  const EntityProperties* operator->() const { return &get(); }

  friend bool operator==(SharedProperties a, SharedProperties b) {
    return a.id_ == b.id_ || a.get() == b.get();
  }

 private:
  std::uint32_t id_ = 0;
};

}  // namespace host::model
