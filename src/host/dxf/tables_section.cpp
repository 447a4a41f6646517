#include <cstdlib>

#include "host/dxf/fields.h"
#include "host/dxf/sections.h"
#include "host/geom/invalid_input.h"

namespace host::dxf {
namespace {

ModelledEntry readLayer(ReaderContext& context, const Record& record) {
  const Fields f(context, record);
  if (ReaderContext::isBlank(f.text(2))) return {};
  const model::LayerIndex index = context.defineLayer(f.text(2));
  constexpr std::int64_t kFrozen = 1;
  constexpr std::int64_t kLocked = 4;
  // A negative colour marks a layer that is off.
  const std::int64_t signedColour = f.whole(62, 7);
  const bool known = signedColour != 0 && signedColour >= -255 && signedColour <= 255;
  const std::int64_t flags = f.whole(70, 0);
  model::Layer layer = context.document.layers()[index];
  layer.colour = known ? static_cast<int>(std::llabs(signedColour)) : 7;
  layer.on = signedColour >= 0;
  layer.frozen = (flags & kFrozen) != 0;
  layer.locked = (flags & kLocked) != 0;
  context.document.setLayer(index, layer);
  if (f.has(5)) context.rememberLayerHandle(f.group(5).value, index);
  return context.document.layers()[index];
}

ModelledEntry readStyle(ReaderContext& context, const Record& record) {
  const Fields f(context, record);
  constexpr std::int64_t kShapeFile = 1;
  if ((f.whole(70, 0) & kShapeFile) || ReaderContext::isBlank(f.text(2))) return {};
  const model::StyleIndex index = context.defineStyle(f.text(2));
  model::TextStyle style = context.document.textStyles()[index];
  if (f.has(3)) style.fontFile = context.text(f.group(3));
  style.height = f.real(40, 0.0);
  try {
    context.document.setTextStyle(index, style);
  } catch (const InvalidInput& error) {
    context.fail(f.has(40) ? f.group(40).line : record.line(), error.what());
  }
  return context.document.textStyles()[index];
}

ModelledEntry readUcs(ReaderContext& context, const Record& record) {
  const Fields f(context, record);
  if (ReaderContext::isBlank(f.text(2))) return {};
  const std::string name = decodeText(f.text(2), context.encoding);
  try {
    const geom::Frame frame = geom::Frame::fromAxes(
        f.point(10), f.point(11, Eigen::Vector3d::UnitX()), f.point(12, Eigen::Vector3d::UnitY()));
    return context.document.ucsTable()[context.document.defineUcs(name, frame)];
  } catch (const InvalidInput& error) {
    context.fail(record.line(), "the UCS " + name + " is unusable: " + error.what());
  }
}

}  // namespace

void readTables(ReaderContext& context, Record& record) {
  // Entries are told apart by their record type. Every record is kept as read; the document
  // models layers, text styles and UCSs, and block records name blocks whose content the
  // BLOCKS section gives.
  std::vector<SourceTable>& tables = context.source.tables;
  while (record.type() != "ENDSEC") {
    const std::string_view type = record.type();
    if (type == "TABLE") {
      SourceTable table{keepRecord(record), {}, {}};
      for (const auto [code, value] : table.head.groups) {
        if (code == 2) {
          table.name = value;
          break;
        }
      }
      context.noteHandle(handleOf(table.head));
      tables.push_back(std::move(table));
    } else if (type != "ENDTAB") {
      if (tables.empty()) tables.push_back({{"TABLE", {}}, std::string(type), {}});
      SourceTableEntry entry{keepRecord(record), 0, {}, {}};
      entry.handle = handleOf(entry.record);
      context.noteHandle(entry.handle);
      for (const Group& group : record) {
        if (group.code == 2) {
          entry.name = decodeText(group.value, context.encoding);
          break;
        }
      }
      if (type == "LAYER") {
        entry.asRead = readLayer(context, record);
        entry.modelIndex = context.document.layers().find(entry.name).value_or(0);
      } else if (type == "STYLE") {
        entry.asRead = readStyle(context, record);
        entry.modelIndex = context.document.textStyles().find(entry.name).value_or(0);
      } else if (type == "UCS") {
        entry.asRead = readUcs(context, record);
      }
      tables.back().entries.push_back(std::move(entry));
    }
    nextInSection(context, record);
  }
}

void nextInSection(ReaderContext& context, Record& record) {
  // A file cut off between two records keeps what came before the cut: the section ends here
  // (the reader of the sections tells the user that the file ends early).
  static constexpr std::string_view kEndOfSection = "0\nENDSEC\n";
  if (!context.reader.next(record)) record = Record(kEndOfSection, context.reader.currentLine());
}

}  // namespace host::dxf
