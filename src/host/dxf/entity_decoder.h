#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "host/dxf/reader_context.h"
#include "host/dxf/record.h"
#include "host/model/entities.h"

namespace host::dxf {

struct DecodedEntity {
  // Empty when this program does not model the entity (or not everything in it): it is then
  // kept as read (rawEntity).
  std::optional<model::EntityData> data;
  std::string_view blockName;  // of a block reference, whose block index the caller fills in
  std::string_view layerName;
  bool paperSpace = false;
  std::uint64_t handle = 0;  // 0: the entity has no handle of its own
  model::EntityProperties properties;
  // Every group of the entity is one the document models (data, layer, properties, handle,
  // owner): writing it from the document gives it back whole, so its record need not be kept.
  bool modelledWhole = false;
};

// Decodes one entity: its record and, for a polyline or an insert with attributes, the records
// that follow it up to SEQEND. Coordinates come out in world coordinates (object coordinate
// systems resolved by the arbitrary-axis rule). A bad number fails with its line.
DecodedEntity decodeEntity(ReaderContext& context, std::span<const Record> records);

// The entity as read, for writing back unchanged: its groups in file order without those that
// only tie it into the file's object graph (handle, owner, reactors, extension dictionary).
// Records after the first keep their 0 group. An entity of model or paper space (`inSpace`)
// also leaves out its paper-space flag (67): the space that holds it says where it belongs.
model::UnsupportedEntity rawEntity(const ReaderContext& context, std::span<const Record> records,
                                   bool inSpace);

}  // namespace host::dxf
