#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "host/dxf/group_reader.h"
#include "host/dxf/reader_context.h"
#include "host/model/entities.h"

namespace host::dxf {

// A record copied out of the reader's buffer, for entities that span several records (a
// polyline and its vertices, an insert and its attributes).
class OwnedRecord {
 public:
  explicit OwnedRecord(const Record& record);
  const Record& record() const { return record_; }

 private:
  std::unique_ptr<char[]> storage_;
  Record record_;
};

struct DecodedEntity {
  // Empty when this program does not model the entity (or not everything in it): it is then
  // kept as read (rawEntity).
  std::optional<model::EntityData> data;
  std::string blockName;  // of a block reference, whose block index the caller fills in
  std::string_view layerName;
  bool paperSpace = false;
};

// Decodes one entity: its record and, for a polyline or an insert with attributes, the records
// that follow it up to SEQEND. Coordinates come out in world coordinates (object coordinate
// systems resolved by the arbitrary-axis rule). A bad number fails with its line.
DecodedEntity decodeEntity(ReaderContext& context, std::span<const Record> records);

// The entity as read, for writing back unchanged: its groups in file order without those that
// only tie it into the file's object graph (handle, owner, reactors, extension dictionary).
// Records after the first keep their 0 group.
model::UnsupportedEntity rawEntity(const ReaderContext& context, std::span<const Record> records);

}  // namespace host::dxf
