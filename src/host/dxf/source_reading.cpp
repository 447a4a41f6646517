#include <algorithm>
#include <array>
#include <string>

#include "host/dxf/sections.h"

// Keeping what a file holds beyond the document, as the sections are read.
namespace host::dxf {
namespace {

// The tables a file of release 2000 or later has, and the writer builds when it builds the
// file afresh.
constexpr std::array<std::string_view, 9> kTables = {
    "VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD"};

bool hasBlockRecordForEveryBlock(const ReaderContext& context) {
  const SourceTable* records = context.source.table("BLOCK_RECORD");
  if (records == nullptr) return false;
  std::vector<bool> recorded(context.document.blocks().size(), false);
  for (const SourceTableEntry& entry : records->entries) {
    if (const auto block = context.document.blocks().find(entry.name)) recorded[*block] = true;
  }
  return std::ranges::all_of(recorded, [](bool has) { return has; });
}

bool isWhole(const ReaderContext& context) {
  const SourceDrawing& source = context.source;
  if (!context.allEntitiesHaveHandles() || context.tablesAfterEntities) return false;
  for (std::string_view name : kTables) {
    const SourceTable* table = source.table(name);
    if (table == nullptr || handleOf(table->head) == 0) return false;
    for (const SourceTableEntry& entry : table->entries) {
      if (entry.handle == 0) return false;
    }
  }
  for (std::size_t block = 0; block < source.blockMarkers.size(); ++block) {
    if (source.blockMarkers[block].first.type.empty() ||
        handleOf(source.blockMarkers[block].first) == 0) {
      return false;
    }
  }
  // The named object dictionary, which every other object hangs from, comes first.
  if (source.objects.empty() || source.objects.front().type != "DICTIONARY") return false;
  return hasBlockRecordForEveryBlock(context);
}

std::string codePageOf(const SourceDrawing& source) {
  for (const SourceHeaderVariable& variable : source.header) {
    if (variable.name == "$DWGCODEPAGE" && !variable.groups.empty()) {
      return std::string(variable.groups[0].value);
    }
  }
  return "ANSI_1252";
}

// Names of table entries in UTF-8 bytes where the header gives a code page: read as UTF-8,
// which the user is told once, naming the first.
void warnOfContradictedCodePage(ReaderContext& context) {
  SourceDrawing& source = context.source;
  std::string first;
  std::size_t others = 0;
  for (const SourceTable& table : source.tables) {
    for (const SourceTableEntry& entry : table.entries) {
      for (const auto [code, value] : entry.record.groups) {
        if (code != 2) continue;
        if (contradictsCodePage(value, context.encoding)) {
          if (first.empty()) {
            first = entry.record.type + " \"" + entry.name + "\"";
          } else {
            ++others;
          }
        }
        break;
      }
    }
  }
  if (first.empty()) return;
  std::string warning = "The text of " + first;
  if (others > 0) warning += " and of " + std::to_string(others) + " more names";
  source.warnings.push_back(warning + " does not match the code page " + codePageOf(source) +
                            " of the file: read as UTF-8");
}

}  // namespace

void keepHeaderVariables(ReaderContext& context, const Record& record) {
  std::vector<SourceHeaderVariable>& header = context.source.header;
  bool type = true;
  bool inVariable = false;
  for (const Group& group : record) {
    if (std::exchange(type, false)) continue;
    if (group.code == 9) {
      header.push_back({std::string(group.value), {}});
      inVariable = true;
    } else if (inVariable) {
      header.back().groups.append(group.code, group.value);
      if (header.back().name == "$HANDSEED" && group.code == 5) {
        if (const auto seed = parseHandle(group.value)) context.noteHandle(*seed - 1);
      }
    }
  }
}

void keepSection(ReaderContext& context, Record& record, std::string_view name) {
  std::vector<SourceRecord>* kept = nullptr;
  if (name == "CLASSES") {
    kept = &context.source.classes;
  } else {
    context.source.otherSections.emplace_back(std::string(name), std::vector<SourceRecord>{});
    kept = &context.source.otherSections.back().second;
  }
  while (record.type() != "ENDSEC") {
    kept->push_back(keepRecord(record));
    nextInSection(context, record);
  }
}

void finishSource(ReaderContext& context) {
  SourceDrawing& source = context.source;
  const model::Document& document = context.document;
  source.encoding = context.encoding;
  for (const SourceHeaderVariable& variable : source.header) {
    if (variable.name == "$ACADVER" && !variable.groups.empty()) {
      source.release = std::string(variable.groups[0].value);
    }
  }
  source.modelledHeader = {document.header(), document.currentUcs(), document.activeTextStyle()};
  source.layersAsRead = document.layers().size();
  source.textStylesAsRead = document.textStyles().size();
  source.blockMarkers.resize(std::max(source.blockMarkers.size(), document.blocks().size()));
  source.setWhole(isWhole(context));
  warnOfContradictedCodePage(context);
  // Entities without a handle of their own, or whose handle an entity before them had, get
  // theirs above every handle of the file, tables and objects too: a save writes them, and
  // a reading of that keeps them all.
  context.document.reserveHandlesBelow(source.handleSeed);
  context.document.giveFreshHandles();
}

}  // namespace host::dxf
