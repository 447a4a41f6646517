#include "host/dxf/converted_entries.h"
#include "host/dxf/write_context.h"

// The BLOCKS and ENTITIES sections, of a file built afresh or written back from its records.
namespace host::dxf {

namespace {

// A block's BLOCK or ENDBLK record of the file the drawing was read from, if it had one: in a
// file written back from its records as read, else converted, the block named as this release
// names it. Such a record may hold more than this program writes (flags, extended data).
bool writeFilesMarker(WriteContext& context, model::BlockIndex block, bool begin, Handle handle) {
  if (context.source == nullptr || block >= context.source->blockMarkers.size()) return false;
  const auto& [first, last] = context.source->blockMarkers[block];
  const SourceRecord& marker = begin ? first : last;
  if (marker.type.empty()) return false;
  if (context.fromRecords) {
    writeRecord(context, marker.view());
  } else {
    writeConvertedMarker(context, marker, handle, context.handles.blockRecords[block],
                         begin ? "AcDbBlockBegin" : "AcDbBlockEnd", context.blockName(block));
  }
  return true;
}

}  // namespace

void writeBlocks(WriteContext& context) {
  DxfOutput& out = context.out;
  const model::BlockTable& blocks = context.document.blocks();
  const StructureHandles& h = context.handles;
  out.text(0, "SECTION");
  out.text(2, "BLOCKS");
  for (model::BlockIndex i = 0; i < blocks.size(); ++i) {
    const model::Block& block = blocks[i];
    const bool paper = i == model::BlockTable::kPaperSpace;
    const std::string& name = context.blockName(i);
    // BLOCK and ENDBLK enclose the block's entities; both lie on layer 0.
    const auto marker = [&](std::string_view type, Handle handle, std::string_view subclass) {
      out.text(0, type);
      out.handle(5, handle);
      out.handle(330, h.blockRecords[i]);
      out.text(100, "AcDbEntity");
      if (paper) out.whole(67, 1);
      out.text(8, "0");
      out.text(100, subclass);
    };
    if (!writeFilesMarker(context, i, true, h.blockBegins[i])) {
      marker("BLOCK", h.blockBegins[i], "AcDbBlockBegin");
      out.text(2, name);
      out.whole(70, !name.empty() && name.front() == '*' && i > model::BlockTable::kPaperSpace);
      out.point(10, block.basePoint);
      out.text(3, name);
      out.text(1, "");
    }
    // The two spaces hold their entities in the ENTITIES section.
    if (i > model::BlockTable::kPaperSpace) {
      for (const model::Entity& entity : block.entities) {
        writeEntity(context, entity, h.blockRecords[i], false);
      }
    }
    if (!writeFilesMarker(context, i, false, h.blockEnds[i])) {
      marker("ENDBLK", h.blockEnds[i], "AcDbBlockEnd");
    }
  }
  out.text(0, "ENDSEC");
}

void writeEntities(WriteContext& context) {
  DxfOutput& out = context.out;
  const model::BlockTable& blocks = context.document.blocks();
  out.text(0, "SECTION");
  out.text(2, "ENTITIES");
  for (const model::BlockIndex space :
       {model::BlockTable::kModelSpace, model::BlockTable::kPaperSpace}) {
    for (const model::Entity& entity : blocks[space].entities) {
      writeEntity(context, entity, context.handles.blockRecords[space],
                  space == model::BlockTable::kPaperSpace);
    }
  }
  out.text(0, "ENDSEC");
}

}  // namespace host::dxf
