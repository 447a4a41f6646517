#include <functional>
#include <vector>

#include "host/dxf/converted_entries.h"
#include "host/dxf/entry_patches.h"
#include "host/dxf/text_codec.h"
#include "host/dxf/write_context.h"

namespace host::dxf {
namespace {

class TableWriter {
 public:
  TableWriter(WriteContext& context, std::string_view name, Handle handle, std::size_t count,
              std::string_view subclass = {})
      : out_(context.out), handle_(handle) {
    out_.text(0, "TABLE");
    out_.text(2, name);
    out_.handle(5, handle);
    out_.handle(330, 0);
    out_.text(100, "AcDbSymbolTable");
    out_.whole(70, static_cast<std::int64_t>(count));
    if (!subclass.empty()) out_.text(100, subclass);
  }
  ~TableWriter() { out_.text(0, "ENDTAB"); }
  TableWriter(const TableWriter&) = delete;
  TableWriter& operator=(const TableWriter&) = delete;

  // Starts an entry of the table (see writeEntryStart).
  void entry(std::string_view type, Handle handle, std::string_view subclass,
             std::string_view name) {
    writeEntryStart(out_, type, handle, handle_, subclass, name);
  }

 private:
  DxfOutput& out_;
  Handle handle_;
};

constexpr std::string_view kViewportSubclass = "AcDbViewportTableRecord";
constexpr std::string_view kLineTypeSubclass = "AcDbLinetypeTableRecord";
constexpr std::string_view kApplicationSubclass = "AcDbRegAppTableRecord";
constexpr std::string_view kDimensionStyleSubclass = "AcDbDimStyleTableRecord";

// An entry this program writes in a file built afresh, unless the file the drawing was read
// from has its own of that name.
struct StandardEntry {
  std::string name;
  Handle handle = 0;
  std::function<void(TableWriter&)> write;
};

// A table the document does not model: the standard entries, each the file's own where it has
// one, then the file's other entries.
void writeTableOfFile(WriteContext& context, std::string_view name, Handle handle,
                      std::string_view subclass, const std::vector<StandardEntry>& standard,
                      std::string_view tableSubclass = {}) {
  const ConvertedEntries converted(context, name);
  std::vector<std::string> names;
  for (const StandardEntry& entry : standard) names.push_back(entry.name);
  const std::vector<const SourceTableEntry*> others = converted.except(names);
  TableWriter table(context, name, handle, standard.size() + others.size(), tableSubclass);
  for (const StandardEntry& entry : standard) {
    if (const SourceTableEntry* own = converted.find(entry.name)) {
      writeConverted(context, *own, entry.handle, handle, subclass);
    } else {
      entry.write(table);
    }
  }
  for (const SourceTableEntry* other : others) {
    writeConverted(context, *other, context.keep(other->handle), handle, subclass);
  }
}

void writeViewports(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  writeTableOfFile(context, "VPORT", h.vportTable, kViewportSubclass,
                   {{"*Active", h.activeViewport, [&](TableWriter& table) {
                       table.entry("VPORT", h.activeViewport, kViewportSubclass, "*Active");
                       out.real(10, 0.0);
                       out.real(20, 0.0);
                       out.real(11, 1.0);
                       out.real(21, 1.0);
                       out.real(12, 0.0);
                       out.real(22, 0.0);
                       out.real(40, 100.0);
                       out.real(41, 1.5);
                     }}});
}

void writeLineTypes(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  std::vector<StandardEntry> standard;
  const std::pair<Handle, const char*> types[] = {
      {h.byBlock, "ByBlock"}, {h.byLayer, "ByLayer"}, {h.continuous, "Continuous"}};
  for (const auto& type : types) {
    const Handle handle = type.first;
    const std::string_view name = type.second;
    standard.push_back({std::string(name), handle, [&out, handle, name](TableWriter& table) {
                          table.entry("LTYPE", handle, kLineTypeSubclass, name);
                          out.text(3, name == "Continuous" ? "Solid line" : "");
                          out.whole(72, 65);
                          out.whole(73, 0);
                          out.real(40, 0.0);
                        }});
  }
  writeTableOfFile(context, "LTYPE", h.ltypeTable, kLineTypeSubclass, standard);
}

void writeLayers(WriteContext& context) {
  const StructureHandles& h = context.handles;
  const ConvertedEntries converted(context, "LAYER");
  const auto& layers = context.document.layers().all();
  TableWriter table(context, "LAYER", h.layerTable, layers.size());
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const auto index = static_cast<model::LayerIndex>(i);
    if (const SourceTableEntry* own = converted.find(layers[i].name)) {
      writeConverted(context, *own, h.layers[i], h.layerTable, "AcDbLayerTableRecord",
                     entryChanged(*own, layers[i]) ? layerPatch(context, index) : Patch());
    } else {
      writeLayerEntry(context, index, h.layers[i], h.layerTable);
    }
  }
}

void writeStyles(WriteContext& context) {
  const StructureHandles& h = context.handles;
  const ConvertedEntries converted(context, "STYLE");
  const auto& styles = context.document.textStyles().all();
  TableWriter table(context, "STYLE", h.styleTable, styles.size());
  for (std::size_t i = 0; i < styles.size(); ++i) {
    const auto index = static_cast<model::StyleIndex>(i);
    if (const SourceTableEntry* own = converted.find(styles[i].name)) {
      writeConverted(context, *own, h.styles[i], h.styleTable, "AcDbTextStyleTableRecord",
                     entryChanged(*own, styles[i]) ? stylePatch(context, index) : Patch());
    } else {
      writeStyleEntry(context, index, h.styles[i], h.styleTable);
    }
  }
}

void writeUcss(WriteContext& context) {
  const StructureHandles& h = context.handles;
  const ConvertedEntries converted(context, "UCS");
  const auto& ucss = context.document.ucsTable().all();
  TableWriter table(context, "UCS", h.ucsTable, ucss.size());
  for (std::size_t i = 0; i < ucss.size(); ++i) {
    if (const SourceTableEntry* own = converted.find(ucss[i].name)) {
      writeConverted(context, *own, h.ucss[i], h.ucsTable, "AcDbUCSTableRecord",
                     entryChanged(*own, ucss[i]) ? ucsPatch(context, ucss[i]) : Patch());
    } else {
      writeUcsEntry(context, ucss[i], h.ucss[i], h.ucsTable);
    }
  }
}

void writeApplications(WriteContext& context) {
  const StructureHandles& h = context.handles;
  std::vector<StandardEntry> standard;
  for (std::size_t i = 0; i < context.applications.size(); ++i) {
    const Handle handle = h.appids[i];
    const std::string name = context.applications[i];
    standard.push_back({name, handle, [handle, name](TableWriter& table) {
                          table.entry("APPID", handle, kApplicationSubclass, name);
                        }});
  }
  writeTableOfFile(context, "APPID", h.appidTable, kApplicationSubclass, standard);
}

void writeDimensionStyles(WriteContext& context) {
  const StructureHandles& h = context.handles;
  writeTableOfFile(context, "DIMSTYLE", h.dimstyleTable, kDimensionStyleSubclass,
                   {{"Standard", h.standardDimstyle,
                     [&](TableWriter& table) {
                       table.entry("DIMSTYLE", h.standardDimstyle, kDimensionStyleSubclass,
                                   "Standard");
                     }}},
                   "AcDbDimStyleTable");
}

void writeViews(WriteContext& context) {
  writeTableOfFile(context, "VIEW", context.handles.viewTable, "AcDbViewTableRecord", {});
}

void writeBlockRecords(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  const model::BlockTable& blocks = context.document.blocks();
  // The file's block records of blocks it does not define go back too.
  const ConvertedEntries converted(context, "BLOCK_RECORD");
  std::vector<std::string> names;
  for (const model::Block& block : blocks.all()) names.push_back(block.name);
  const std::vector<const SourceTableEntry*> withoutBlocks = converted.except(names);
  TableWriter table(context, "BLOCK_RECORD", h.blockRecordTable,
                    blocks.size() + withoutBlocks.size());
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    table.entry("BLOCK_RECORD", h.blockRecords[i], "AcDbBlockTableRecord", context.blockNames[i]);
    if (h.blockLayouts[i] != 0) out.handle(340, h.blockLayouts[i]);
  }
  for (const SourceTableEntry* record : withoutBlocks) {
    writeConverted(context, *record, context.keep(record->handle), h.blockRecordTable,
                   "AcDbBlockTableRecord");
  }
}

}  // namespace

void writeEntryStart(DxfOutput& out, std::string_view type, Handle handle, Handle owner,
                     std::string_view subclass, std::string_view name, std::int64_t flags) {
  out.text(0, type);
  out.handle(type == "DIMSTYLE" ? 105 : 5, handle);
  out.handle(330, owner);
  out.text(100, "AcDbSymbolTableRecord");
  out.text(100, subclass);
  out.text(2, name);
  if (type != "BLOCK_RECORD") out.whole(70, flags);
}

void writeLayerEntry(WriteContext& context, model::LayerIndex layer, Handle handle, Handle owner) {
  DxfOutput& out = context.out;
  const model::Layer& now = context.document.layers()[layer];
  writeEntryStart(out, "LAYER", handle, owner, "AcDbLayerTableRecord", context.layerName(layer),
                  layerStateFlags(now));
  out.whole(62, now.on ? now.colour : -now.colour);
  out.text(6, "Continuous");
  out.whole(370, -3);
  // A file built afresh has a plot style of its own; one written back has the file's.
  if (context.handles.normalPlotStyle != 0) out.handle(390, context.handles.normalPlotStyle);
}

void writeStyleEntry(WriteContext& context, model::StyleIndex style, Handle handle, Handle owner) {
  DxfOutput& out = context.out;
  const model::TextStyle& now = context.document.textStyles()[style];
  writeEntryStart(out, "STYLE", handle, owner, "AcDbTextStyleTableRecord",
                  context.styleName(style));
  out.real(40, now.height);
  out.real(41, 1.0);
  out.real(50, 0.0);
  out.whole(71, 0);
  out.real(42, now.height > 0.0 ? now.height : 2.5);
  out.text(3, encodeText(now.fontFile, context.encoding));
  out.text(4, "");
}

void writeUcsEntry(WriteContext& context, const model::Ucs& ucs, Handle handle, Handle owner) {
  DxfOutput& out = context.out;
  writeEntryStart(out, "UCS", handle, owner, "AcDbUCSTableRecord",
                  encodeName(ucs.name, context.encoding));
  out.point(10, ucs.frame.origin());
  out.point(11, ucs.frame.xAxis());
  out.point(12, ucs.frame.yAxis());
  out.whole(79, 0);
  out.real(146, 0.0);
}

void writeTables(WriteContext& context) {
  DxfOutput& out = context.out;
  out.text(0, "SECTION");
  out.text(2, "TABLES");
  writeViewports(context);
  writeLineTypes(context);
  writeLayers(context);
  writeStyles(context);
  writeViews(context);
  writeUcss(context);
  writeApplications(context);
  writeDimensionStyles(context);
  writeBlockRecords(context);
  out.text(0, "ENDSEC");
}

}  // namespace host::dxf
