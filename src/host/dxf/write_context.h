#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "host/dxf/dxf_output.h"
#include "host/dxf/source_drawing.h"
#include "host/dxf/writer.h"
#include "host/model/document.h"

namespace host::dxf {

using model::Handle;

// Handles of everything the writer builds around the entities: tables and their entries,
// block records, block begin and end markers, dictionaries and layouts. Entities keep the
// handles the document gave them; the rest are numbered after the highest of those.
struct StructureHandles {
  Handle vportTable = 0, ltypeTable = 0, layerTable = 0, styleTable = 0, viewTable = 0,
         ucsTable = 0, appidTable = 0, dimstyleTable = 0, blockRecordTable = 0;
  Handle activeViewport = 0, byBlock = 0, byLayer = 0, continuous = 0, standardDimstyle = 0;
  std::vector<Handle> layers, styles, ucss, appids;
  std::vector<Handle> blockRecords, blockBegins, blockEnds;
  std::vector<Handle> blockLayouts;  // by block index: the layout of a space, else 0
  Handle rootDictionary = 0, groupDictionary = 0, layoutDictionary = 0, plotStyleDictionary = 0,
         normalPlotStyle = 0, modelLayout = 0, paperLayout = 0;
};

struct WriteContext {
  const model::Document& document;
  DxfOutput& out;
  StructureHandles handles;
  Handle nextHandle = 1;
  std::vector<std::string> applications;  // registered application names, "ACAD" first
  std::vector<std::string> layerNames;    // as the file keeps them, by layer index
  std::vector<std::string> styleNames;    // as the file keeps them, by style index
  std::vector<std::string> blockNames;    // as the file keeps them, by block index
  TextEncoding encoding = TextEncoding::kWindows1252;
  // The file the drawing was read from, if any, and whether it is written back from its
  // records (SourceDrawing::whole) or built afresh.
  const SourceDrawing* source = nullptr;
  bool fromRecords = false;
  std::string_view version = "AC1015";  // of the release written
  // Kept values are in another encoding than the file written (across release 2007).
  bool recode = false;
  // The release written is older than 2004, which has no true colours, colour names and
  // transparency, and the drawing comes from a later one or from this program.
  bool withoutColourExtras = false;

  // Writes a group of a kept record as the file written holds it (see recode and
  // withoutColourExtras).
  void keptGroup(int code, std::string_view value);
  // By layer index: renamed since it was read, so that records naming it are out of date.
  std::vector<bool> renamedLayers;

  // In a file built afresh, the handles of the source's records it keeps (and its entities'),
  // and the first of the handles numbered afresh, above all of those.
  std::unordered_set<Handle> keptHandles;
  Handle firstFresh = 0;
  // A file built afresh writes the objects of its source as read (see keepsObjects).
  bool objectsKept = false;

  Handle allocate() {
    if (nextHandle >= model::kLastHandle) throw HandlesUsedUp();
    return nextHandle++;
  }
  // The handle of a record of the source in a file built afresh: the one it had, unless it
  // had none or another record took it first; then a fresh one. In a file written back from
  // its records, always a fresh one.
  Handle keep(Handle asRead) {
    if (!fromRecords && asRead != 0 && asRead < firstFresh && keptHandles.insert(asRead).second) {
      return asRead;
    }
    return allocate();
  }
  const std::string& layerName(model::LayerIndex layer) const { return layerNames.at(layer); }
  const std::string& styleName(model::StyleIndex style) const { return styleNames.at(style); }
  const std::string& blockName(model::BlockIndex block) const { return blockNames.at(block); }
};

// The handle `count` handles after `first`: the seed of a file whose handles end before it.
// Throws HandlesUsedUp when that reaches model::kLastHandle.
inline Handle handleSeedAfter(Handle first, std::uint64_t count) {
  if (first >= model::kLastHandle || count >= model::kLastHandle - first) throw HandlesUsedUp();
  return first + count;
}

void writeHeader(WriteContext& context, Handle handleSeed);
void writeTables(WriteContext& context);
void writeBlocks(WriteContext& context);
void writeEntities(WriteContext& context);
void writeObjects(WriteContext& context);

// Whether a file built afresh can write the objects of its source as read, and claims their
// handles if so: the source has a root dictionary with layouts, and each object a handle of its
// own that no entity took.
bool keepsObjects(WriteContext& context);
// Writes the whole file from the records of the file the drawing was read from (source whole).
void writeFromSource(WriteContext& context, Handle handleSeed);

// Starts a table entry of this program's own: its type, handle (group 105 for a dimension
// style), owner, subclass markers and name, and but for a block record its flags.
void writeEntryStart(DxfOutput& out, std::string_view type, Handle handle, Handle owner,
                     std::string_view subclass, std::string_view name, std::int64_t flags = 0);
// This program's own entries for the document's layers, text styles and UCSs.
void writeLayerEntry(WriteContext& context, model::LayerIndex layer, Handle handle, Handle owner);
void writeStyleEntry(WriteContext& context, model::StyleIndex style, Handle handle, Handle owner);
void writeUcsEntry(WriteContext& context, const model::Ucs& ucs, Handle handle, Handle owner);

// Writes one entity owned by `owner` (a block record): as its kept record when it stands as
// read, else from the document with what its record holds that the document does not model
// (application data, extended data).
void writeEntity(WriteContext& context, const model::Entity& entity, Handle owner, bool paperSpace);

// The kept record of an entity of release 12 that stands as read, of a kind that converts:
// written under the subclass markers a later release gives it.
std::optional<RecordView> release12Record(const WriteContext& context, const model::Entity& entity);

// How many handles writeEntity numbers on the way for the records after the entity's own:
// vertices, the further records of an entity kept as read, and the SEQEND that closes them.
Handle followerHandlesOf(const WriteContext& context, const model::Entity& entity);

// The layers renamed since the drawing was read from a file written back from its records,
// by layer index: the kept records of entities on them name them as they were.
std::vector<bool> renamedLayers(const model::Document& document, const SourceDrawing& source);

// Whether a save writes the entity as its kept record (see writeEntity), in paper space when
// `paperSpace`, and whether it leaves it out: an entity this program does not model that
// neither that nor its groups can give.
bool writtenAsRecord(const WriteContext& context, const model::Entity& entity,
                     bool paperSpace = false);
// Whether the entity was read from a record of that type that is kept.
bool readAs(const WriteContext& context, const model::Entity& entity, std::string_view type);
bool leftOut(const WriteContext& context, const model::Entity& entity);

// The records of `type` (of any, when empty) that followed the entity's own in its kept record,
// in order, and the handle a kept record gave (0 for none).
std::vector<RecordView> keptFollowersOf(const WriteContext& context, const model::Entity& entity,
                                        std::string_view type);
Handle handleIn(const RecordView& record);

// Whether a file built afresh writes an entity of a kind this program does not know as its kept
// record of release 2000 or later (MULTILEADER and the like), and writes it so: its handle, owner,
// layer and space the document's, the records that follow it owned by it, their handles kept
// where they stay (see WriteContext::keep), and its application data only where the objects it
// names are kept (see keepsObjects).
bool keptInRebuiltFile(const WriteContext& context, const model::Entity& entity);
void writeKeptInRebuiltFile(WriteContext& context, const model::Entity& entity, Handle owner,
                            bool paperSpace);

// Writes a kept record as read (see WriteContext::keptGroup).
void writeRecord(WriteContext& context, const RecordView& record);

// Writes the replacement of a group of a kept record, returning whether it did; groups it
// leaves are written as read.
using Patch = std::function<bool(int code, std::string_view value)>;
void writePatched(WriteContext& context, const RecordView& record, const Patch& patch);

// Whether a group holds a true colour, a colour name or a transparency (release 2004 on).
inline bool isColourExtra(int code) {
  return code >= 420 && code <= 449;
}

}  // namespace host::dxf
