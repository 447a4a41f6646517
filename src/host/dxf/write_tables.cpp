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

void writeViewports(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  TableWriter table(context, "VPORT", h.vportTable, 1);
  table.entry("VPORT", h.activeViewport, "AcDbViewportTableRecord", "*Active");
  out.real(10, 0.0);
  out.real(20, 0.0);
  out.real(11, 1.0);
  out.real(21, 1.0);
  out.real(12, 0.0);
  out.real(22, 0.0);
  out.real(40, 100.0);
  out.real(41, 1.5);
}

void writeLineTypes(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  TableWriter table(context, "LTYPE", h.ltypeTable, 3);
  const std::pair<Handle, std::string_view> types[] = {
      {h.byBlock, "ByBlock"}, {h.byLayer, "ByLayer"}, {h.continuous, "Continuous"}};
  for (const auto& [handle, name] : types) {
    table.entry("LTYPE", handle, "AcDbLinetypeTableRecord", name);
    out.text(3, name == "Continuous" ? "Solid line" : "");
    out.whole(72, 65);
    out.whole(73, 0);
    out.real(40, 0.0);
  }
}

void writeLayers(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  const auto& layers = context.document.layers().all();
  TableWriter table(context, "LAYER", h.layerTable, layers.size());
  for (std::size_t i = 0; i < layers.size(); ++i) {
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
  const auto& styles = context.document.textStyles().all();
  TableWriter table(context, "STYLE", h.styleTable, styles.size());
  for (std::size_t i = 0; i < styles.size(); ++i) {
    table.entry("STYLE", h.styles[i], "AcDbTextStyleTableRecord", context.styleNames[i]);
    out.real(40, styles[i].height);
    out.real(41, 1.0);
    out.real(50, 0.0);
    out.whole(71, 0);
    out.real(42, styles[i].height > 0.0 ? styles[i].height : 2.5);
    out.text(3, encodeText(styles[i].fontFile));
    out.text(4, "");
  }
}

void writeUcss(WriteContext& context) {
  const StructureHandles& h = context.handles;
  DxfOutput& out = context.out;
  const auto& ucss = context.document.ucsTable().all();
  TableWriter table(context, "UCS", h.ucsTable, ucss.size());
  for (std::size_t i = 0; i < ucss.size(); ++i) {
    table.entry("UCS", h.ucss[i], "AcDbUCSTableRecord", encodeName(ucss[i].name));
    out.point(10, ucss[i].frame.origin());
    out.point(11, ucss[i].frame.xAxis());
    out.point(12, ucss[i].frame.yAxis());
    out.whole(79, 0);
    out.real(146, 0.0);
  }
}

void writeApplications(WriteContext& context) {
  const StructureHandles& h = context.handles;
  TableWriter table(context, "APPID", h.appidTable, context.applications.size());
  for (std::size_t i = 0; i < context.applications.size(); ++i) {
    table.entry("APPID", h.appids[i], "AcDbRegAppTableRecord", context.applications[i]);
  }
}

void writeDimensionStyles(WriteContext& context) {
  const StructureHandles& h = context.handles;
  TableWriter table(context, "DIMSTYLE", h.dimstyleTable, 1, "AcDbDimStyleTable");
  table.entry("DIMSTYLE", h.standardDimstyle, "AcDbDimStyleTableRecord", "Standard", 105);
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
  { TableWriter views(context, "VIEW", context.handles.viewTable, 0); }
  writeUcss(context);
  writeApplications(context);
  writeDimensionStyles(context);
  writeBlockRecords(context);
  out.text(0, "ENDSEC");
}

}  // namespace host::dxf
