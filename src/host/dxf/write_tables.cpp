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

  // Starts an entry; `handleCode` is 105 for dimension styles, 5 for the rest.
  void entry(std::string_view type, Handle handle, std::string_view subclass, std::string_view name,
             int handleCode = 5) {
    out_.text(0, type);
    out_.handle(handleCode, handle);
    out_.handle(330, handle_);
    out_.text(100, "AcDbSymbolTableRecord");
    out_.text(100, subclass);
    out_.text(2, name);
    out_.whole(70, 0);
  }

 private:
  DxfOutput& out_;
  Handle handle_;
};

constexpr std::string_view kViewportSubclass = "AcDbViewportTableRecord";
constexpr std::string_view kLineTypeSubclass = "AcDbLinetypeTableRecord";
constexpr std::string_view kApplicationSubclass = "AcDbRegAppTableRecord";
constexpr std::string_view kDimensionStyleSubclass = "AcDbDimStyleTableRecord";

// Whether the document's layer, text style or UCS differs from what the file's entry gave.
template <class Entry>
bool changed(const SourceTableEntry& own, const Entry& now) {
  const auto* read = std::get_if<Entry>(&own.asRead);
  return read == nullptr || !(*read == now);
}

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
    writeConverted(context, *other, context.allocate(), handle, subclass);
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
  DxfOutput& out = context.out;
  const ConvertedEntries converted(context, "LAYER");
  const auto& layers = context.document.layers().all();
  TableWriter table(context, "LAYER", h.layerTable, layers.size());
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const auto index = static_cast<model::LayerIndex>(i);
    if (const SourceTableEntry* own = converted.find(layers[i].name)) {
      writeConverted(context, *own, h.layers[i], h.layerTable, "AcDbLayerTableRecord",
                     changed(*own, layers[i]) ? layerPatch(context, index) : Patch());
      continue;
    }
    table.entry("LAYER", h.layers[i], "AcDbLayerTableRecord", context.layerNames[i]);
    out.whole(62, layers[i].colour);
    out.text(6, "Continuous");
    out.whole(370, -3);
    out.handle(390, h.normalPlotStyle);
  }
}

void writeStyles(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  const ConvertedEntries converted(context, "STYLE");
  const auto& styles = context.document.textStyles().all();
  TableWriter table(context, "STYLE", h.styleTable, styles.size());
  for (std::size_t i = 0; i < styles.size(); ++i) {
    const auto index = static_cast<model::StyleIndex>(i);
    if (const SourceTableEntry* own = converted.find(styles[i].name)) {
      writeConverted(context, *own, h.styles[i], h.styleTable, "AcDbTextStyleTableRecord",
                     changed(*own, styles[i]) ? stylePatch(context, index) : Patch());
      continue;
    }
    table.entry("STYLE", h.styles[i], "AcDbTextStyleTableRecord", context.styleNames[i]);
    out.real(40, styles[i].height);
    out.real(41, 1.0);
    out.real(50, 0.0);
    out.whole(71, 0);
    out.real(42, styles[i].height > 0.0 ? styles[i].height : 2.5);
    out.text(3, encodeText(styles[i].fontFile, context.encoding));
    out.text(4, "");
  }
}

void writeUcss(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  const ConvertedEntries converted(context, "UCS");
  const auto& ucss = context.document.ucsTable().all();
  TableWriter table(context, "UCS", h.ucsTable, ucss.size());
  for (std::size_t i = 0; i < ucss.size(); ++i) {
    if (const SourceTableEntry* own = converted.find(ucss[i].name)) {
      writeConverted(context, *own, h.ucss[i], h.ucsTable, "AcDbUCSTableRecord",
                     changed(*own, ucss[i]) ? ucsPatch(context, ucss[i]) : Patch());
      continue;
    }
    table.entry("UCS", h.ucss[i], "AcDbUCSTableRecord", encodeName(ucss[i].name, context.encoding));
    out.point(10, ucss[i].frame.origin());
    out.point(11, ucss[i].frame.xAxis());
    out.point(12, ucss[i].frame.yAxis());
    out.whole(79, 0);
    out.real(146, 0.0);
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
                                   "Standard", 105);
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
  TableWriter table(context, "BLOCK_RECORD", h.blockRecordTable, blocks.size());
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    out.text(0, "BLOCK_RECORD");
    out.handle(5, h.blockRecords[i]);
    out.handle(330, h.blockRecordTable);
    out.text(100, "AcDbSymbolTableRecord");
    out.text(100, "AcDbBlockTableRecord");
    out.text(2, context.blockNames[i]);
    if (i == model::BlockTable::kModelSpace) out.handle(340, h.modelLayout);
    if (i == model::BlockTable::kPaperSpace) out.handle(340, h.paperLayout);
  }
}

}  // namespace

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
