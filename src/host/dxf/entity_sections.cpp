#include <algorithm>
#include <cctype>
#include <charconv>
#include <new>
#include <optional>
#include <vector>

#include "host/dxf/entity_decoder.h"
#include "host/dxf/fields.h"
#include "host/dxf/sections.h"
#include "host/dxf/unsupported_records.h"
#include "host/geom/invalid_input.h"
#include "host/model/memory_ahead.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

using model::BlockIndex;
using model::BlockTable;

// The type of the records that follow the entity in `record` up to SEQEND: a polyline's
// vertices, an insert's attributes (when its 66 group says it has them); empty for none. The
// writer closes such an entity with SEQEND whatever follows it (see closesWithSeqend), so
// that no record after it is taken for one of its own.
std::string_view followerType(const ReaderContext& context, const Record& record) {
  if (record.type() == "POLYLINE") return "VERTEX";
  if (record.type() != "INSERT") return {};
  for (const Group& group : record) {
    if (group.code == 66) return context.whole(group) == 1 ? "ATTRIB" : "";
  }
  return {};
}

// One entity, possibly of several records. `record` holds its first record on entry and the
// record after the entity on return.
class EntityUnit {
 public:
  std::span<const Record> read(ReaderContext& context, Record& record) {
    const std::string_view follower = followerType(context, record);
    single_ = follower.empty();
    if (single_) return std::span<const Record>(&record, 1);
    // The reader reuses its buffer for each record: the entity's records are copied out.
    text_.clear();
    parts_.clear();
    keep(record);
    for (;;) {
      nextInSection(context, record);
      const bool end = record.type() == "SEQEND";
      if (!end && record.type() != follower) break;
      keep(record);
      if (end) {
        nextInSection(context, record);
        break;
      }
    }
    records_.clear();
    for (const Part& part : parts_) {
      records_.emplace_back(std::string_view(text_).substr(part.offset, part.length), part.line);
    }
    return records_;
  }
  bool isSingle() const { return single_; }

 private:
  struct Part {
    std::size_t offset;
    std::size_t length;
    std::size_t line;
  };
  std::string text_;
  std::vector<Part> parts_;
  std::vector<Record> records_;
  bool single_ = true;

  void keep(const Record& record) {
    parts_.push_back({text_.size(), record.text().size(), record.firstLine()});
    text_.append(record.text());
  }
};

struct PendingEntity {
  BlockIndex block;
  std::optional<model::EntityData> data;
  std::string insertedBlock;
  model::UnsupportedEntity raw;
  model::Entity entity;  // handle, layer, properties and origin
};

// Whether the name a record gives comes back when the document's name is written.
bool nameComesBack(const ReaderContext& context, std::string_view raw, const std::string& name) {
  return raw == name || encodeName(name, context.encoding) == raw;
}

// Whether the layer and inserted block that a record names come back as the record spells them
// (a name may differ from the definition's in case). An insert's block is resolved by then,
// but in a block definition, which may name blocks defined further on: kept as read there.
bool namesComeBack(const ReaderContext& context, const DecodedEntity& decoded,
                   const model::Entity& entity) {
  const model::Document& document = context.document;
  if (!nameComesBack(context, decoded.layerName, document.layers()[entity.layer].name)) {
    return false;
  }
  const auto* insert = std::get_if<model::BlockReference>(&*decoded.data);
  return insert == nullptr ||
         nameComesBack(context, decoded.blockName, document.blocks()[insert->block].name);
}

// Whether the groups the document keeps of an entity it does not model give back its record
// as read, written with its handle, owner and layer (see writeEntity): one record that starts
// with those, in the writer's spelling, and holds no application data, no space flag, no text
// to decode and no reference to another record. Such a record is not kept twice.
bool keptGroupsGiveRecordBack(const ReaderContext& context, const Record& record,
                              const model::Entity& entity) {
  const std::string_view type = record.type();
  if (!isBuiltInEntity(type) || type == "POLYLINE" || type == "INSERT") return false;
  char handle[17] = {};
  std::to_chars(handle, handle + 16, entity.handle, 16);
  for (char& digit : handle) digit = static_cast<char>(std::toupper(digit));
  const std::string& layer = context.document.layers()[entity.layer].name;
  std::size_t index = 0;
  for (const Group& group : record) {
    const int code = group.code;
    const std::string_view value = group.value;
    const bool inPlace = index == 1   ? code == 5 && value == handle
                         : index == 2 ? code == 330
                         : index == 3 ? code == 100 && value == "AcDbEntity"
                         : index == 4 ? code == 8 && value == layer
                         : index > 4  ? code != 5 && code != 8 && code != 67 && code != 102
                                      : true;
    if (!inPlace || needsDecoding(value) ||
        (index > 2 && keptGroup(type, code, value) != KeptGroup::kAsRead)) {
      return false;
    }
    ++index;
  }
  return index > 4;
}

// The entity as the document holds it, but its data: its handle, when the file gives it one no
// other entity has, its layer and properties, and its record kept in the drawing's source unless
// the document models all of it.
model::Entity entityAsRead(ReaderContext& context, const DecodedEntity& decoded,
                           std::span<const Record> records) {
  model::Entity entity;
  entity.layer = context.layer(decoded.layerName);
  entity.properties = decoded.properties;
  if (decoded.handle != 0 && context.takeEntityHandle(decoded.handle)) {
    entity.handle = decoded.handle;
  } else if (decoded.handle == 0) {
    context.noteEntityWithoutHandle();
  }
  // An entity without a handle makes the file one that is built afresh; one that repeats the
  // handle of an entity before it gets a fresh handle, the rest of the file staying as read.
  // Either is written from the document, an entity the document does not model from its kept
  // groups: its record is not needed.
  if ((decoded.modelledWhole && namesComeBack(context, decoded, entity)) ||
      (!decoded.data && entity.handle == 0) ||
      (!decoded.data && records.size() == 1 &&
       keptGroupsGiveRecordBack(context, records.front(), entity))) {
    return entity;
  }
  // The record of a modelled entity that repeats a handle keeps what the document does not
  // model, but names the other's handle: never written back as it stands.
  entity.origin = {context.source.entities.add(records), entity.handle != 0};
  return entity;
}

void addEntity(ReaderContext& context, BlockIndex block, model::Entity entity,
               std::optional<model::EntityData> data,
               const std::function<model::UnsupportedEntity()>& raw) {
  model::Document& document = context.document;
  if (data) {
    try {
      entity.data = std::move(*data);
      document.addEntityAsRead(block, std::move(entity));
      return;
    } catch (const InvalidInput&) {
      // Values the drawing refuses (a zero radius, a flattened insert): kept as read.
    }
  }
  entity.data = raw();
  document.addEntityAsRead(block, std::move(entity));
}

// The space a block of release 12 names "$MODEL_SPACE" or "$PAPER_SPACE". Later releases call
// the spaces "*Model_Space" and "*Paper_Space": a block of the older name that has a block
// record of its own is a block like any other, kept and written back as one.
std::optional<BlockIndex> spaceNamed(const ReaderContext& context, std::string_view name) {
  std::optional<BlockIndex> space;
  if (model::sameName(name, "$MODEL_SPACE")) space = BlockTable::kModelSpace;
  if (model::sameName(name, "$PAPER_SPACE")) space = BlockTable::kPaperSpace;
  if (const SourceTable* records = context.source.table("BLOCK_RECORD"); space && records) {
    for (const SourceTableEntry& entry : records->entries) {
      if (model::sameName(entry.name, name)) return std::nullopt;
    }
  }
  return space;
}

BlockIndex spaceOrBlock(ReaderContext& context, std::string_view name) {
  if (const auto space = spaceNamed(context, name)) return *space;
  return context.block(name);
}

// Room for the model space entities a section holds, made once the first of them show how
// large its entities are in the file, so that the list is not moved again and again while it
// grows. Only the room filled is readied, so room beyond what the section holds costs no
// memory.
class EntityRoom {
 public:
  explicit EntityRoom(ReaderContext& context) : context_(context) {}

  // Before reading an entity of `bytes` in the file.
  void reading(std::size_t bytes) {
    bytes_ += bytes;
    if (++read_ == kEntitiesBeforeMakingRoom) {
      make();
    } else if (read_ % kEntitiesBeforeMakingRoom == 0 && entities().data() == readied_) {
      room_.filledTo(entities().data() + entities().size());
    }
  }

 private:
  static constexpr std::size_t kEntitiesBeforeMakingRoom = 1000;
  ReaderContext& context_;
  model::MemoryAhead room_;
  const model::Entity* readied_ = nullptr;
  std::size_t read_ = 0;
  std::size_t bytes_ = 0;

  const std::vector<model::Entity>& entities() const {
    return context_.document.blocks()[BlockTable::kModelSpace].entities;
  }

  void make() {
    const std::size_t typical = std::max<std::size_t>(1, bytes_ / read_);
    const std::size_t expected = context_.reader.bytesLeft() / typical;
    try {
      context_.document.reserveEntities(BlockTable::kModelSpace, expected + expected / 8);
      context_.expectEntities(expected + expected / 8);
    } catch (const std::bad_alloc&) {
      return;  // the list grows in the usual way
    }
    readied_ = entities().data();
    room_.readyAsFilled(entities().data() + entities().size(),
                        (entities().capacity() - entities().size()) * sizeof(model::Entity));
  }
};

}  // namespace

void readBlocks(ReaderContext& context, Record& record) {
  // Block references inside definitions may name blocks defined further on: entities are
  // added once every definition is known.
  std::vector<PendingEntity> pending;
  std::optional<BlockIndex> current;
  EntityUnit unit;
  auto& markers = context.source.blockMarkers;
  while (record.type() != "ENDSEC") {
    const std::string_view type = record.type();
    if (type == "BLOCK") {
      const Fields f(context, record);
      const std::string_view name = f.text(2);
      if (ReaderContext::isBlank(name)) {
        context.fail(record.line(), "a block definition without a name");
      }
      try {
        const std::optional<BlockIndex> space = spaceNamed(context, name);
        current = space ? *space : context.defineBlock(name, f.point(10));
      } catch (const InvalidInput& error) {
        context.fail(record.line(), error.what());
      }
      if (markers.size() <= *current) markers.resize(*current + 1);
      // The first definition of a name counts, as it does for the block itself.
      if (markers[*current].first.type.empty()) markers[*current].first = keepRecord(record);
      context.noteHandle(handleOf(markers[*current].first));
      nextInSection(context, record);
    } else if (type == "ENDBLK") {
      if (current && markers[*current].second.type.empty()) {
        markers[*current].second = keepRecord(record);
        context.noteHandle(handleOf(markers[*current].second));
      }
      current.reset();
      nextInSection(context, record);
    } else {
      const std::span<const Record> records = unit.read(context, record);
      if (!current) {
        context.fail(records.front().line(), "an entity (" + std::string(records.front().type()) +
                                                 ") outside a block definition");
      }
      DecodedEntity decoded = decodeEntity(context, records);
      const bool inSpace =
          *current == BlockTable::kModelSpace || *current == BlockTable::kPaperSpace;
      model::Entity asRead = entityAsRead(context, decoded, records);
      pending.push_back({*current, std::move(decoded.data), std::string(decoded.blockName),
                         rawEntity(context, records, inSpace), std::move(asRead)});
      if (unit.isSingle()) nextInSection(context, record);
    }
  }
  for (PendingEntity& entity : pending) {
    if (entity.data && std::holds_alternative<model::BlockReference>(*entity.data)) {
      std::get<model::BlockReference>(*entity.data).block =
          spaceOrBlock(context, entity.insertedBlock);
    }
    addEntity(context, entity.block, std::move(entity.entity), std::move(entity.data),
              [&] { return std::move(entity.raw); });
  }
}

void readEntities(ReaderContext& context, Record& record) {
  EntityUnit unit;
  EntityRoom room(context);
  while (record.type() != "ENDSEC") {
    room.reading(record.text().size());
    const std::span<const Record> records = unit.read(context, record);
    DecodedEntity decoded = decodeEntity(context, records);
    if (decoded.data && std::holds_alternative<model::BlockReference>(*decoded.data)) {
      std::get<model::BlockReference>(*decoded.data).block =
          spaceOrBlock(context, decoded.blockName);
    }
    const BlockIndex space = decoded.paperSpace ? BlockTable::kPaperSpace : BlockTable::kModelSpace;
    addEntity(context, space, entityAsRead(context, decoded, records), std::move(decoded.data),
              [&] { return rawEntity(context, records, true); });
    if (unit.isSingle()) nextInSection(context, record);
  }
}

}  // namespace host::dxf
