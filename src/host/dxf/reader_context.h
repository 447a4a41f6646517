#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <Eigen/Geometry>

#include "host/dxf/group_reader.h"
#include "host/dxf/name_lookup.h"
#include "host/dxf/source_drawing.h"
#include "host/dxf/text_codec.h"
#include "host/model/document.h"

namespace host::dxf {

// What the section readers share while one file loads into a new document: the group
// reader (for faults with line numbers), the document, the text encoding and name lookups.
class ReaderContext {
 public:
  ReaderContext(GroupReader& reader, model::Document& document, SourceDrawing& source);

  GroupReader& reader;
  model::Document& document;
  SourceDrawing& source;
  TextEncoding encoding = TextEncoding::kWindows1252;

  double real(const Group& group) const;
  std::int64_t whole(const Group& group) const;
  std::string text(const Group& group) const { return decodeText(group.value, encoding); }

  // The layer, text style or block a group names (see NameLookup), added when the drawing
  // lacks it. A blank layer or style name means layer "0" or style "Standard".
  model::LayerIndex layer(std::string_view rawName);
  model::StyleIndex style(std::string_view rawName);
  model::BlockIndex block(std::string_view rawName);
  // The layer or text style a table record defines, or the block a BLOCK record defines at
  // `basePoint` (the first definition of a name counts), named exactly as the file spells it.
  model::LayerIndex defineLayer(std::string_view rawName);
  model::StyleIndex defineStyle(std::string_view rawName);
  model::BlockIndex defineBlock(std::string_view rawName, const Eigen::Vector3d& basePoint);
  // Whether a name is blank (no name at all: only blanks, or nothing).
  static bool isBlank(std::string_view rawName);

  // Layers by the handle the file gives them, for references to layers kept as names.
  void rememberLayerHandle(std::string_view handle, model::LayerIndex layer);
  std::optional<model::LayerIndex> layerByHandle(std::string_view handle) const;

  // Notes a handle the file uses, so that new ones stay clear of it.
  void noteHandle(std::uint64_t handle) {
    source.handleSeed = std::max(source.handleSeed, model::handleAfter(handle));
  }
  // Whether an entity's handle is free, taking it if so: no entity of the file had it before.
  bool takeEntityHandle(std::uint64_t handle);
  // Makes room for the handles and kept records of `count` more entities, which a section seems
  // to hold, so that their lists are not copied again and again as they grow.
  void expectEntities(std::size_t count);
  // An entity without a handle: the file cannot be written back as it stands.
  void noteEntityWithoutHandle() { entityWithoutHandle_ = true; }
  bool allEntitiesHaveHandles() const { return !entityWithoutHandle_; }
  // A TABLES section after blocks or entities: the layers and text styles those named come
  // before ones the tables define, an order a file written back with its tables first loses.
  bool tablesAfterEntities = false;

  [[noreturn]] void fail(std::size_t line, std::string reason) const {
    reader.fail(line, std::move(reason));
  }

 private:
  NameLookup<model::LayerIndex> layers_;
  NameLookup<model::StyleIndex> styles_;
  NameLookup<model::BlockIndex> blocks_;
  std::unordered_map<std::uint64_t, model::LayerIndex> layersByHandle_;
  // Files list entities in the order of their handles: only one out of order makes the reader
  // keep every handle taken so far in a set.
  bool entityWithoutHandle_ = false;
  std::uint64_t highestEntityHandle_ = 0;
  std::vector<std::uint64_t> entityHandles_;
  std::unordered_set<std::uint64_t> takenEntityHandles_;
};

double degreesToRadians(double degrees);
// The angle in degrees that degreesToRadians turns into exactly `radians`, the shortest in
// decimals where several do: an angle read and saved again is written as it was read.
double radiansToDegrees(double radians);

}  // namespace host::dxf
