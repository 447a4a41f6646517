#include <algorithm>
#include <cstdint>
#include <variant>

#include "host/dxf/numbers.h"
#include "host/dxf/release12_subclasses.h"
#include "host/dxf/unsupported_records.h"
#include "host/dxf/write_context.h"

// Records of the file a drawing was read from, written back.
namespace host::dxf {

void WriteContext::keptGroup(int code, std::string_view value) {
  if (withoutColourExtras && isColourExtra(code)) return;
  if (recode && needsDecoding(value)) {
    out.text(code, encodeText(decodeText(value, source->encoding), encoding));
  } else {
    out.text(code, value);
  }
}

void writeRecord(WriteContext& context, const RecordView& record) {
  context.out.text(0, record.type);
  for (const auto [code, value] : record) context.keptGroup(code, value);
}

void writePatched(WriteContext& context, const RecordView& record, const Patch& patch) {
  context.out.text(0, record.type);
  for (const auto [code, value] : record) {
    if (!patch(code, value)) context.keptGroup(code, value);
  }
}

std::vector<bool> renamedLayers(const model::Document& document, const SourceDrawing& source) {
  std::vector<bool> renamed(document.layers().size(), false);
  if (const SourceTable* layers = source.table("LAYER")) {
    for (const SourceTableEntry& entry : layers->entries) {
      if (const auto* read = std::get_if<model::Layer>(&entry.asRead)) {
        renamed.at(entry.modelIndex) = read->name != document.layers()[entry.modelIndex].name;
      }
    }
  }
  return renamed;
}

namespace {

// Whether the first record of a kept entity says it lies in paper space (67 = 1). One read
// inside the paper space block says nothing, yet goes back in the ENTITIES section.
bool flagsPaperSpace(const RecordView& record) {
  bool begun = false;
  for (const auto [code, value] : record) {
    if (code == 0 && begun) break;
    begun = true;
    std::int64_t space = 0;
    if (code == 67) return parseWhole(value, space) && space == 1;
  }
  return false;
}

}  // namespace

bool writtenAsRecord(const WriteContext& context, const model::Entity& entity, bool paperSpace) {
  if (!context.fromRecords || !entity.origin.asRead ||
      entity.origin.record == model::EntityOrigin::kNoRecord ||
      context.renamedLayers.at(entity.layer)) {
    return false;
  }
  // An entity read inside the paper space block goes back in the ENTITIES section: where its
  // record lacks the flag it is written from the model, which adds it.
  return !paperSpace || flagsPaperSpace(context.source->entities[entity.origin.record]);
}

bool readAs(const WriteContext& context, const model::Entity& entity, std::string_view type) {
  return context.source != nullptr && entity.origin.record != model::EntityOrigin::kNoRecord &&
         context.source->entities[entity.origin.record].type == type;
}

std::vector<RecordView> keptFollowersOf(const WriteContext& context, const model::Entity& entity,
                                        std::string_view type) {
  std::vector<RecordView> found;
  if (context.source == nullptr || entity.origin.record == model::EntityOrigin::kNoRecord) {
    return found;
  }
  const RecordView record = context.source->entities[entity.origin.record];
  bool inFound = false;
  for (std::size_t i = record.first; i < record.last; ++i) {
    const auto [code, value] = (*record.groups)[i];
    if (code != 0) continue;
    if (inFound) found.back().last = i;  // a record ends where the next begins
    inFound = type.empty() || value == type;
    if (inFound) found.push_back({value, record.groups, i + 1, record.last});
  }
  return found;
}

Handle handleIn(const RecordView& record) {
  for (const auto [code, value] : record) {
    if (code == 5) return parseHandle(value).value_or(0);
  }
  return 0;
}

namespace {

// Whether the entity's own record, up to the first record that follows it, holds the group.
bool ownRecordHolds(const RecordView& record, int code, std::string_view value) {
  for (const auto group : record) {
    if (group.code == 0) return false;
    if (group.code == code && group.value == value) return true;
  }
  return false;
}

// Whether a group of a kept entity that may refer to another record by its handle still leads
// to that record in a file built afresh: a null reference, or one to a handle the file keeps.
bool keepsReference(const WriteContext& context, int code, std::string_view value) {
  if (!isHandleReference(code) && code != 1005) return true;
  const std::optional<Handle> handle = parseHandle(value);
  return !handle || *handle == 0 || context.keptHandles.contains(*handle);
}

}  // namespace

bool keptInRebuiltFile(const WriteContext& context, const model::Entity& entity) {
  const auto* raw = std::get_if<model::UnsupportedEntity>(&entity.data);
  if (raw == nullptr || context.fromRecords || context.source == nullptr || !entity.origin.asRead ||
      entity.origin.record == model::EntityOrigin::kNoRecord || isBuiltInEntity(raw->type) ||
      raw->type == "BLOCK" || raw->type == "ENDBLK") {
    return false;
  }
  // Built-in entities that hold references into the old file (a clipped viewport) stay left
  // out. An entity of release 2000 or later says it is one with its subclass marker: other
  // records found among the entities (a layout or dictionary out of place) are objects, whose
  // owners and references a file built afresh does not keep.
  return ownRecordHolds(context.source->entities[entity.origin.record], 100, "AcDbEntity");
}

void writeKeptInRebuiltFile(WriteContext& context, const model::Entity& entity, Handle owner,
                            bool paperSpace) {
  const RecordView record = context.source->entities[entity.origin.record];
  DxfOutput& out = context.out;
  out.text(0, record.type);
  out.handle(5, entity.handle);
  // Application data names objects of the old file (reactors, extension dictionaries): kept
  // with them, in its place after the handle.
  bool inApplicationData = false;
  for (const auto [code, value] : record) {
    if (code == 0) break;
    if (code == 102) inApplicationData = value.starts_with("{");
    if ((code == 102 || inApplicationData) && context.objectsKept) context.keptGroup(code, value);
  }
  out.handle(330, owner);
  bool ownRecord = true;  // the entity's first record, not one that follows it
  bool beforeSubclass = true;
  bool layerWritten = false;
  inApplicationData = false;
  for (const auto [code, value] : record) {
    if (code == 0) {
      out.text(0, value);
      ownRecord = false;
      beforeSubclass = true;
      continue;
    }
    if (code == 102) {
      inApplicationData = value.starts_with("{");
      if (ownRecord || !context.objectsKept) continue;
    }
    if (inApplicationData && (ownRecord || !context.objectsKept)) continue;
    const bool subclass = code == 100;
    if (ownRecord && subclass && value == "AcDbEntity" && !layerWritten) {
      // Where the entity's space and layer belong, whether or not its record named them.
      layerWritten = true;
      out.text(100, value);
      if (paperSpace) out.whole(67, 1);
      out.text(8, context.layerName(entity.layer));
    } else if (ownRecord && (code == 5 || code == 8 || code == 67)) {
      // Written above, as the document has them now.
    } else if (code == 5) {
      out.handle(5, context.keep(parseHandle(value).value_or(0)));
    } else if (code == 330 && beforeSubclass) {
      if (!ownRecord) out.handle(330, entity.handle);
    } else if (!keepsReference(context, code, value)) {
      // A reference to a record the new file does not hold under that handle would lead
      // elsewhere or nowhere: left out.
    } else {
      context.keptGroup(code, value);
    }
    if (subclass) beforeSubclass = false;
  }
}

bool leftOut(const WriteContext& context, const model::Entity& entity) {
  const auto* raw = std::get_if<model::UnsupportedEntity>(&entity.data);
  return raw != nullptr && !writtenAsRecord(context, entity) &&
         !keptInRebuiltFile(context, entity) && !canWriteBack(*raw);
}

std::optional<RecordView> release12Record(const WriteContext& context,
                                          const model::Entity& entity) {
  if (context.fromRecords || context.source == nullptr || !entity.origin.asRead ||
      entity.origin.record == model::EntityOrigin::kNoRecord) {
    return std::nullopt;
  }
  const RecordView view = context.source->entities[entity.origin.record];
  const bool marked = std::any_of(view.begin(), view.end(), [](const auto& group) {
    return group.code == 100 || group.code == 0;
  });
  if (marked || release12Subclasses(view.type) == nullptr) return std::nullopt;
  return view;
}

Handle followerHandlesOf(const WriteContext& context, const model::Entity& entity) {
  if (writtenAsRecord(context, entity) || leftOut(context, entity)) return 0;
  if (const auto record = release12Record(context, entity)) {
    return opensSequence(record->type, record->begin(), record->end()) ? 1 : 0;
  }
  if (const auto* polyline = std::get_if<model::Polyline3d>(&entity.data)) {
    return polyline->vertices.size() + 1;
  }
  if (const auto* flat = std::get_if<model::Polyline2d>(&entity.data)) {
    return readAs(context, entity, "POLYLINE") ? flat->vertices.size() + 1 : 0;
  }
  if (const auto* raw = std::get_if<model::UnsupportedEntity>(&entity.data)) {
    return recordCount(*raw) - 1 + (closesWithSeqend(*raw) ? 1 : 0);
  }
  return 0;
}

}  // namespace host::dxf
