#include <vector>

#include "host/dxf/entity_decoder.h"
#include "host/dxf/fields.h"
#include "host/dxf/sections.h"
#include "host/geom/invalid_input.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

using model::BlockIndex;
using model::BlockTable;

// Whether the entity in `record` is followed by records of its own up to SEQEND.
bool hasFollowers(const ReaderContext& context, const Record& record) {
  if (record.type() == "POLYLINE") return true;
  if (record.type() != "INSERT") return false;
  for (const Group& group : record.groups) {
    if (group.code == 66) return context.whole(group) == 1;
  }
  return false;
}

bool isFollower(std::string_view type) {
  return type == "VERTEX" || type == "ATTRIB" || type == "SEQEND";
}

// One entity, possibly of several records. `record` holds its first record on entry and the
// record after the entity on return.
class EntityUnit {
 public:
  std::span<const Record> read(ReaderContext& context, Record& record, std::string_view section) {
    owned_.clear();
    if (!hasFollowers(context, record)) {
      single_ = std::span<const Record>(&record, 1);
      return single_;
    }
    owned_.emplace_back(record);
    for (;;) {
      nextInSection(context, record, section);
      if (!isFollower(record.type())) break;
      owned_.emplace_back(record);
      if (record.type() == "SEQEND") {
        nextInSection(context, record, section);
        break;
      }
    }
    copies_.clear();
    for (const OwnedRecord& owned : owned_) copies_.push_back(owned.record());
    return copies_;
  }
  bool isSingle() const { return owned_.empty(); }

 private:
  std::vector<OwnedRecord> owned_;
  std::vector<Record> copies_;
  std::span<const Record> single_;
};

struct PendingEntity {
  BlockIndex block;
  model::LayerIndex layer;
  std::optional<model::EntityData> data;
  std::string insertedBlock;
  model::UnsupportedEntity raw;
};

void addOrKeepRaw(model::Document& document, BlockIndex block, model::LayerIndex layer,
                  std::optional<model::EntityData> data,
                  const std::function<model::UnsupportedEntity()>& raw) {
  if (data) {
    try {
      document.addEntity(block, std::move(*data), layer);
      return;
    } catch (const InvalidInput&) {
      // Values the drawing refuses (a zero radius, a flattened insert): kept as read.
    }
  }
  document.addEntity(block, raw(), layer);
}

BlockIndex spaceOrBlock(ReaderContext& context, const std::string& name) {
  if (model::sameName(name, "$MODEL_SPACE")) return BlockTable::kModelSpace;
  if (model::sameName(name, "$PAPER_SPACE")) return BlockTable::kPaperSpace;
  return context.block(name);
}

}  // namespace

void readBlocks(ReaderContext& context, Record& record) {
  // Block references inside definitions may name blocks defined further on: entities are
  // added once every definition is known.
  std::vector<PendingEntity> pending;
  std::optional<BlockIndex> current;
  EntityUnit unit;
  while (record.type() != "ENDSEC") {
    const std::string_view type = record.type();
    if (type == "BLOCK") {
      const Fields f(context, record.groups);
      const std::string name = f.has(2) ? context.name(f.group(2)) : std::string();
      if (name.empty()) context.fail(record.line(), "a block definition without a name");
      try {
        const BlockIndex index = model::sameName(name, "$MODEL_SPACE") ? BlockTable::kModelSpace
                                 : model::sameName(name, "$PAPER_SPACE")
                                     ? BlockTable::kPaperSpace
                                     : context.document.addBlock(name, f.point(10));
        current = index;
      } catch (const InvalidInput& error) {
        context.fail(record.line(), error.what());
      }
      nextInSection(context, record, "BLOCKS");
    } else if (type == "ENDBLK") {
      current.reset();
      nextInSection(context, record, "BLOCKS");
    } else {
      const std::span<const Record> records = unit.read(context, record, "BLOCKS");
      if (!current) {
        context.fail(records.front().line(), "an entity (" + std::string(records.front().type()) +
                                                 ") outside a block definition");
      }
      DecodedEntity decoded = decodeEntity(context, records);
      pending.push_back({*current, context.layer(decoded.layerName), std::move(decoded.data),
                         std::move(decoded.blockName), rawEntity(context, records)});
      if (unit.isSingle()) nextInSection(context, record, "BLOCKS");
    }
  }
  for (PendingEntity& entity : pending) {
    if (entity.data && std::holds_alternative<model::BlockReference>(*entity.data)) {
      std::get<model::BlockReference>(*entity.data).block =
          spaceOrBlock(context, entity.insertedBlock);
    }
    addOrKeepRaw(context.document, entity.block, entity.layer, std::move(entity.data),
                 [&] { return std::move(entity.raw); });
  }
}

void readEntities(ReaderContext& context, Record& record) {
  // Most entities are model space lines, inserts, texts and points of 150 to 250 bytes: room
  // for that many saves moving the entities while the list grows. A file of smaller entities
  // only grows the list in the usual way.
  constexpr std::size_t kTypicalEntityBytes = 150;
  context.document.reserveEntities(BlockTable::kModelSpace,
                                   context.reader.bytesLeft() / kTypicalEntityBytes);
  EntityUnit unit;
  while (record.type() != "ENDSEC") {
    const std::span<const Record> records = unit.read(context, record, "ENTITIES");
    DecodedEntity decoded = decodeEntity(context, records);
    if (decoded.data && std::holds_alternative<model::BlockReference>(*decoded.data)) {
      std::get<model::BlockReference>(*decoded.data).block =
          spaceOrBlock(context, decoded.blockName);
    }
    const BlockIndex space = decoded.paperSpace ? BlockTable::kPaperSpace : BlockTable::kModelSpace;
    addOrKeepRaw(context.document, space, context.layer(decoded.layerName), std::move(decoded.data),
                 [&] { return rawEntity(context, records); });
    if (unit.isSingle()) nextInSection(context, record, "ENTITIES");
  }
}

}  // namespace host::dxf
