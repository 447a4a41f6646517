#include <unordered_map>
#include <unordered_set>

#include "host/dxf/unsupported_records.h"
#include "host/dxf/write_context.h"
#include "host/model/names.h"

namespace host::dxf {
namespace {

void dictionary(DxfOutput& out, Handle handle, Handle owner,
                std::initializer_list<std::pair<std::string_view, Handle>> entries) {
  out.text(0, "DICTIONARY");
  out.handle(5, handle);
  out.handle(330, owner);
  out.text(100, "AcDbDictionary");
  out.whole(281, 1);
  for (const auto& [name, entry] : entries) {
    out.text(3, name);
    out.handle(350, entry);
  }
}

void layout(DxfOutput& out, Handle handle, Handle owner, std::string_view name, int order,
            Handle blockRecord) {
  out.text(0, "LAYOUT");
  out.handle(5, handle);
  out.handle(330, owner);
  out.text(100, "AcDbPlotSettings");
  out.text(1, "");
  out.text(2, "none_device");
  out.text(4, "");
  out.text(6, "");
  for (int code = 40; code <= 49; ++code) out.real(code, 0.0);
  out.real(140, 0.0);
  out.real(141, 0.0);
  out.real(142, 1.0);
  out.real(143, 1.0);
  out.whole(70, 688);
  out.whole(72, 0);
  out.whole(73, 0);
  out.whole(74, 5);
  out.text(7, "");
  out.whole(75, 16);
  out.real(147, 1.0);
  out.real(148, 0.0);
  out.real(149, 0.0);
  out.text(100, "AcDbLayout");
  out.text(1, name);
  out.whole(70, 1);
  out.whole(71, order);
  out.real(10, 0.0);
  out.real(20, 0.0);
  out.real(11, 420.0);
  out.real(21, 297.0);
  out.point(12, Eigen::Vector3d::Zero());
  out.point(14, Eigen::Vector3d::Zero());
  out.point(15, Eigen::Vector3d::Zero());
  out.real(146, 0.0);
  out.point(13, Eigen::Vector3d::Zero());
  out.point(16, Eigen::Vector3d::UnitX());
  out.point(17, Eigen::Vector3d::UnitY());
  out.whole(76, 0);
  out.handle(330, blockRecord);
}

}  // namespace

namespace {

// The tables a file built afresh writes, each entry of the table's own type with it.
constexpr std::string_view kWrittenTables[] = {"VPORT", "LTYPE", "LAYER",    "STYLE",       "VIEW",
                                               "UCS",   "APPID", "DIMSTYLE", "BLOCK_RECORD"};

// Counts each handle the source's records give, entities' aside (the document holds those).
std::unordered_map<Handle, int> sourceHandleCounts(const SourceDrawing& source) {
  std::unordered_map<Handle, int> counts;
  for (const SourceTable& table : source.tables) {
    ++counts[handleOf(table.head)];
    for (const SourceTableEntry& entry : table.entries) ++counts[entry.handle];
  }
  for (const auto& [begin, end] : source.blockMarkers) {
    ++counts[handleOf(begin)];
    ++counts[handleOf(end)];
  }
  for (const SourceRecord& object : source.objects) ++counts[handleOf(object)];
  return counts;
}

// The handles of tables and table entries that a file built afresh writes with the handle the
// source gave them, whatever else it holds: one no other record of the source has, that no
// entity took, below the fresh handles, of an entry whose name no other entry of its table has.
std::unordered_set<Handle> tableHandlesKept(const WriteContext& context) {
  const SourceDrawing& source = *context.source;
  const std::unordered_map<Handle, int> counts = sourceHandleCounts(source);
  std::unordered_set<Handle> kept;
  const auto keep = [&](Handle handle) {
    if (handle != 0 && handle < context.firstFresh && counts.at(handle) == 1 &&
        !context.keptHandles.contains(handle)) {
      kept.insert(handle);
    }
  };
  for (const std::string_view name : kWrittenTables) {
    const SourceTable* table = source.table(name);
    if (table == nullptr) continue;
    keep(handleOf(table->head));
    std::unordered_map<std::string, int> names;
    for (const SourceTableEntry& entry : table->entries) ++names[model::foldedName(entry.name)];
    for (const SourceTableEntry& entry : table->entries) {
      if (entry.record.type == name && names[model::foldedName(entry.name)] == 1) {
        keep(entry.handle);
      }
    }
  }
  return kept;
}

}  // namespace

bool keepsObjects(WriteContext& context) {
  const SourceDrawing* source = context.source;
  if (source == nullptr || source->objects.empty()) return false;
  // The root dictionary, owned by nothing, with the layouts this file needs.
  const SourceRecord& root = source->objects.front();
  bool owned = false;
  bool layouts = false;
  for (const auto [code, value] : root.groups) {
    if (code == 330) owned = owned || parseHandle(value).has_value();
    if (code == 3) layouts = layouts || value == "ACAD_LAYOUT";
  }
  if (root.type != "DICTIONARY" || owned || !layouts) return false;
  std::unordered_set<Handle> handles;
  for (const SourceRecord& object : source->objects) {
    const Handle handle = handleOf(object);
    if (handle == 0 || handle >= context.firstFresh || context.keptHandles.contains(handle) ||
        !handles.insert(handle).second) {
      return false;
    }
  }
  // Every record an object refers to (its owner, the block record of a layout, the entities
  // of a group) must be in the new file under the handle named: else none is kept.
  const std::unordered_set<Handle> tables = tableHandlesKept(context);
  for (const SourceRecord& object : source->objects) {
    for (const auto [code, value] : object.groups) {
      if (!isHandleReference(code) && code != 1005) continue;
      const Handle target = parseHandle(value).value_or(0);
      if (target != 0 && !handles.contains(target) && !context.keptHandles.contains(target) &&
          !tables.contains(target)) {
        return false;
      }
    }
  }
  context.keptHandles.merge(handles);
  return true;
}

void writeObjects(WriteContext& context) {
  DxfOutput& out = context.out;
  const StructureHandles& h = context.handles;
  out.text(0, "SECTION");
  out.text(2, "OBJECTS");
  if (context.objectsKept) {
    for (const SourceRecord& object : context.source->objects) writeRecord(context, object.view());
    out.text(0, "ENDSEC");
    return;
  }
  dictionary(out, h.rootDictionary, 0,
             {{"ACAD_GROUP", h.groupDictionary},
              {"ACAD_LAYOUT", h.layoutDictionary},
              {"ACAD_PLOTSTYLENAME", h.plotStyleDictionary}});
  dictionary(out, h.groupDictionary, h.rootDictionary, {});
  dictionary(out, h.layoutDictionary, h.rootDictionary,
             {{"Layout1", h.paperLayout}, {"Model", h.modelLayout}});
  out.text(0, "ACDBDICTIONARYWDFLT");
  out.handle(5, h.plotStyleDictionary);
  out.handle(330, h.rootDictionary);
  out.text(100, "AcDbDictionary");
  out.whole(281, 1);
  out.text(3, "Normal");
  out.handle(350, h.normalPlotStyle);
  out.text(100, "AcDbDictionaryWithDefault");
  out.handle(340, h.normalPlotStyle);
  out.text(0, "ACDBPLACEHOLDER");
  out.handle(5, h.normalPlotStyle);
  out.handle(330, h.plotStyleDictionary);
  layout(out, h.modelLayout, h.layoutDictionary, "Model", 0,
         h.blockRecords[model::BlockTable::kModelSpace]);
  layout(out, h.paperLayout, h.layoutDictionary, "Layout1", 1,
         h.blockRecords[model::BlockTable::kPaperSpace]);
  out.text(0, "ENDSEC");
}

}  // namespace host::dxf
