#include <functional>
#include <map>

#include "host/dxf/entry_patches.h"
#include "host/model/names.h"

// Writing a drawing back from the records of the file it was read from: every record as read,
// but what the document has changed, which is written from the document; what the document
// added is written after the records of its kind.
namespace host::dxf {
namespace {

using model::BlockIndex;
Handle tableHandle(const SourceTable& table) {
  return handleOf(table.head);
}

// --- Header -----------------------------------------------------------------------------

using VariableWriter = std::function<void(DxfOutput&)>;

// The header variables the document models that differ from what was read, by name.
std::map<std::string, VariableWriter> changedVariables(const WriteContext& context,
                                                       Handle handleSeed) {
  const model::Document& document = context.document;
  const ModelledHeader& read = context.source->modelledHeader;
  const model::HeaderVariables& now = document.header();
  std::map<std::string, VariableWriter> changed;
  changed["$HANDSEED"] = [handleSeed](DxfOutput& out) { out.handle(5, handleSeed); };
  if (context.version != context.source->release) {
    const std::string version(context.version);
    changed["$ACADVER"] = [version](DxfOutput& out) { out.text(1, version); };
  }
  const auto whole = [&](const char* name, int value, int readValue) {
    if (value != readValue) changed[name] = [value](DxfOutput& out) { out.whole(70, value); };
  };
  whole("$LUPREC", now.luprec, read.variables.luprec);
  whole("$TILEMODE", now.tilemode ? 1 : 0, read.variables.tilemode ? 1 : 0);
  whole("$INSUNITS", now.insunits, read.variables.insunits);
  whole("$LUNITS", now.lunits, read.variables.lunits);
  if (now.elevation != read.variables.elevation) {
    const double elevation = now.elevation;
    changed["$ELEVATION"] = [elevation](DxfOutput& out) { out.real(40, elevation); };
  }
  if (now.currentLayer != read.variables.currentLayer) {
    const std::string name = context.layerName(now.currentLayer);
    changed["$CLAYER"] = [name](DxfOutput& out) { out.text(8, name); };
  }
  if (document.activeTextStyle() != read.activeTextStyle) {
    const std::string name = context.styleName(document.activeTextStyle());
    changed["$TEXTSTYLE"] = [name](DxfOutput& out) { out.text(7, name); };
  }
  const model::Ucs& ucs = document.currentUcs();
  if (!(ucs == read.currentUcs)) {
    const std::string name = encodeName(ucs.name, context.encoding);
    const geom::Frame frame = ucs.frame;
    changed["$UCSNAME"] = [name](DxfOutput& out) { out.text(2, name); };
    changed["$UCSORG"] = [frame](DxfOutput& out) { out.point(10, frame.origin()); };
    changed["$UCSXDIR"] = [frame](DxfOutput& out) { out.point(10, frame.xAxis()); };
    changed["$UCSYDIR"] = [frame](DxfOutput& out) { out.point(10, frame.yAxis()); };
  }
  return changed;
}

void writeKeptHeader(WriteContext& context, Handle handleSeed) {
  DxfOutput& out = context.out;
  std::map<std::string, VariableWriter> changed = changedVariables(context, handleSeed);
  out.text(0, "SECTION");
  out.text(2, "HEADER");
  for (const SourceHeaderVariable& variable : context.source->header) {
    out.text(9, variable.name);
    if (const auto found = changed.find(variable.name); found != changed.end()) {
      found->second(out);
      changed.erase(found);
      continue;
    }
    for (const auto [code, value] : variable.groups) context.keptGroup(code, value);
  }
  for (const auto& [name, write] : changed) {
    out.text(9, name);
    write(out);
  }
  out.text(0, "ENDSEC");
}

// --- Tables -----------------------------------------------------------------------------

// How a kept table entry goes back: as read, changed (written with the document's values
// over the record's), or not at all (a named UCS deleted since).
enum class EntryState { kAsRead, kChanged, kGone };

struct EntryOutcome {
  EntryState state = EntryState::kAsRead;
  Patch patch;
};

EntryOutcome outcomeOf(const WriteContext& context, const SourceTableEntry& entry) {
  const model::Document& document = context.document;
  if (std::holds_alternative<model::Layer>(entry.asRead)) {
    const model::LayerIndex layer = entry.modelIndex;
    if (!entryChanged(entry, document.layers()[layer])) return {};
    return {EntryState::kChanged, layerPatch(context, layer)};
  }
  if (std::holds_alternative<model::TextStyle>(entry.asRead)) {
    const model::StyleIndex style = entry.modelIndex;
    if (!entryChanged(entry, document.textStyles()[style])) return {};
    return {EntryState::kChanged, stylePatch(context, style)};
  }
  if (const auto* read = std::get_if<model::Ucs>(&entry.asRead)) {
    const auto index = document.ucsTable().find(read->name);
    if (!index) return {EntryState::kGone, {}};
    const model::Ucs& now = document.ucsTable()[*index];
    if (!entryChanged(entry, now)) return {};
    return {EntryState::kChanged, ucsPatch(context, now)};
  }
  return {};
}

// The entries of the document that the file lacks, which go after the kept ones: written when
// `write`, counted always.
std::size_t addedEntries(WriteContext& context, const SourceTable& table, bool write) {
  const model::Document& document = context.document;
  const Handle owner = tableHandle(table);
  std::size_t count = 0;
  const auto known = [&](const std::string& name) {
    for (const SourceTableEntry& entry : table.entries) {
      if (model::sameName(entry.name, name)) return true;
    }
    return false;
  };
  if (table.name == "LAYER") {
    for (model::LayerIndex i = 0; i < document.layers().size(); ++i) {
      // Layers and text styles by index, so that a renamed one counts as the file's; those the
      // file only named stay without an entry.
      if (i < context.source->layersAsRead) continue;
      ++count;
      if (write) writeLayerEntry(context, i, context.handles.layers.at(i), owner);
    }
  } else if (table.name == "STYLE") {
    for (model::StyleIndex i = 0; i < document.textStyles().size(); ++i) {
      if (i < context.source->textStylesAsRead) continue;
      ++count;
      if (write) writeStyleEntry(context, i, context.allocate(), owner);
    }
  } else if (table.name == "UCS") {
    for (const model::Ucs& ucs : document.ucsTable().all()) {
      if (known(ucs.name)) continue;
      ++count;
      if (write) writeUcsEntry(context, ucs, context.allocate(), owner);
    }
  } else if (table.name == "BLOCK_RECORD") {
    for (BlockIndex i = 0; i < document.blocks().size(); ++i) {
      if (known(document.blocks()[i].name)) continue;
      ++count;
      if (write) {
        writeEntryStart(context.out, "BLOCK_RECORD", context.handles.blockRecords.at(i), owner,
                        "AcDbBlockTableRecord", context.blockName(i));
      }
    }
  }
  return count;
}

void writeKeptTables(WriteContext& context) {
  DxfOutput& out = context.out;
  out.text(0, "SECTION");
  out.text(2, "TABLES");
  for (const SourceTable& table : context.source->tables) {
    std::vector<EntryOutcome> outcomes;
    std::size_t count = addedEntries(context, table, false);
    for (const SourceTableEntry& entry : table.entries) {
      outcomes.push_back(outcomeOf(context, entry));
      if (outcomes.back().state != EntryState::kGone) ++count;
    }
    bool countWritten = false;
    writePatched(context, table.head.view(), [&](int code, std::string_view) {
      if (code != 70 || std::exchange(countWritten, true)) return false;
      out.whole(70, static_cast<std::int64_t>(count));
      return true;
    });
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
      const EntryOutcome& outcome = outcomes[i];
      if (outcome.state == EntryState::kAsRead)
        writeRecord(context, table.entries[i].record.view());
      if (outcome.state == EntryState::kChanged) {
        writePatched(context, table.entries[i].record.view(), outcome.patch);
      }
    }
    addedEntries(context, table, true);
    out.text(0, "ENDTAB");
  }
  out.text(0, "ENDSEC");
}

// --- Objects and other sections ---------------------------------------------------------

void writeSection(WriteContext& context, std::string_view name,
                  const std::vector<SourceRecord>& records) {
  context.out.text(0, "SECTION");
  context.out.text(2, name);
  for (const SourceRecord& record : records) writeRecord(context, record.view());
  context.out.text(0, "ENDSEC");
}

}  // namespace

void writeFromSource(WriteContext& context, Handle handleSeed) {
  const SourceDrawing& source = *context.source;
  // The text styles and UCSs the document added are numbered on the way too.
  for (const SourceTable& table : source.tables) {
    if (table.name == "STYLE" || table.name == "UCS") {
      handleSeed = handleSeedAfter(handleSeed, addedEntries(context, table, false));
    }
  }
  writeKeptHeader(context, handleSeed);
  writeSection(context, "CLASSES", source.classes);
  writeKeptTables(context);
  writeBlocks(context);
  writeEntities(context);
  writeSection(context, "OBJECTS", source.objects);
  for (const auto& [name, records] : source.otherSections) writeSection(context, name, records);
}

}  // namespace host::dxf
