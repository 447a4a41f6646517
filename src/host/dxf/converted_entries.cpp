#include "host/dxf/converted_entries.h"

#include <algorithm>
#include <optional>

#include "host/dxf/unsupported_records.h"
#include "host/model/names.h"

namespace host::dxf {
ConvertedEntries::ConvertedEntries(const WriteContext& context, std::string_view table)
    : table_(table), modelled_(table == "LAYER" || table == "STYLE" || table == "UCS") {
  const SourceDrawing* source = sourceOf(context.document);
  if (source == nullptr) return;
  for (const SourceTable& kept : source->tables) {
    if (kept.name != table) continue;
    for (const SourceTableEntry& entry : kept.entries) {
      const bool repeated = std::ranges::any_of(entries_, [&](const SourceTableEntry* earlier) {
        return earlier->record.type == entry.record.type && own(*earlier) == own(entry) &&
               model::sameName(earlier->name, entry.name);
      });
      if (!entry.name.empty() && !repeated) entries_.push_back(&entry);
    }
  }
}

bool ConvertedEntries::own(const SourceTableEntry& entry) const {
  return entry.record.type == table_ &&
         (!modelled_ || !std::holds_alternative<std::monostate>(entry.asRead));
}

const SourceTableEntry* ConvertedEntries::find(std::string_view name) const {
  for (const SourceTableEntry* entry : entries_) {
    if (own(*entry) && model::sameName(entry->name, name)) return entry;
  }
  return nullptr;
}

std::vector<const SourceTableEntry*> ConvertedEntries::except(
    const std::vector<std::string>& names) const {
  std::vector<const SourceTableEntry*> others;
  for (const SourceTableEntry* entry : entries_) {
    const bool named = std::ranges::any_of(
        names, [&](const std::string& name) { return model::sameName(entry->name, name); });
    if (own(*entry)) {
      if (!named) others.push_back(entry);
    } else if (std::holds_alternative<std::monostate>(entry->asRead)) {
      // Another record goes back as read, unless the document made a layer, text style or UCS
      // of it: that one is written with the document's own.
      others.push_back(entry);
    }
  }
  return others;
}

namespace {

// A dimension style's text style (340) and arrow blocks (341 to 344): entries that a file built
// afresh writes with handles of its own, which the reference then names.
std::optional<Handle> renumberedReference(const WriteContext& context,
                                          const SourceTableEntry& entry, int code,
                                          std::string_view value) {
  const SourceDrawing* source = sourceOf(context.document);
  const auto handle = parseHandle(value);
  if (source == nullptr || entry.record.type != "DIMSTYLE" || code < 340 || code > 344 || !handle) {
    return std::nullopt;
  }
  const std::string_view type = code == 340 ? "STYLE" : "BLOCK_RECORD";
  for (const SourceTable& table : source->tables) {
    for (const SourceTableEntry& named : table.entries) {
      if (named.handle != *handle || named.record.type != type) continue;
      if (code == 340) {
        const auto style = context.document.textStyles().find(named.name);
        if (style) return context.handles.styles.at(*style);
      } else if (const auto block = context.document.blocks().find(named.name)) {
        return context.handles.blockRecords.at(*block);
      }
      return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

void writeConverted(WriteContext& context, const SourceTableEntry& entry, Handle handle,
                    Handle owner, std::string_view subclass, const Patch& patch) {
  DxfOutput& out = context.out;
  out.text(0, entry.record.type);
  out.handle(entry.record.type == "DIMSTYLE" ? 105 : 5, handle);
  out.handle(330, owner);
  out.text(100, "AcDbSymbolTableRecord");
  out.text(100, subclass);
  bool inApplicationData = false;
  for (const auto [code, value] : entry.record.groups) {
    if (code == 102) {
      inApplicationData = value.starts_with("{");
      continue;
    }
    // A dimension style's handle is its 105 group; its 5 names the arrow block.
    const int handleCode = entry.record.type == "DIMSTYLE" ? 105 : 5;
    if (const auto renumbered = renumberedReference(context, entry, code, value);
        renumbered && !inApplicationData) {
      out.handle(code, *renumbered);
      continue;
    }
    // A reference to a record the new file keeps under the same handle (the visual style of a
    // viewport, the plot style of a layer) still leads there.
    if (!inApplicationData && isHandleReference(code) && parseHandle(value) &&
        context.keptHandles.contains(*parseHandle(value))) {
      context.keptGroup(code, value);
      continue;
    }
    if (inApplicationData || code == handleCode || code == 330 || code == 100 ||
        isHandleReference(code)) {
      continue;
    }
    if (patch && patch(code, value)) continue;
    context.keptGroup(code, value);
  }
}

void writeConvertedMarker(WriteContext& context, const SourceRecord& record, Handle handle,
                          Handle owner, std::string_view subclass, std::string_view name) {
  DxfOutput& out = context.out;
  out.text(0, record.type);
  out.handle(5, handle);
  out.handle(330, owner);
  out.text(100, "AcDbEntity");
  // The groups every entity has come first, then the marker's own, then its extended data.
  const auto common = [](int code) {
    return code == 8 || code == 67 || code == 6 || code == 62 || code == 370 || code == 48 ||
           code == 60 || (code >= 420 && code <= 449);
  };
  for (const auto [code, value] : record.groups) {
    if (code >= 1000) break;
    if (common(code)) context.keptGroup(code, value);
  }
  out.text(100, subclass);
  bool inApplicationData = false;
  bool extendedData = false;
  for (const auto [code, value] : record.groups) {
    extendedData = extendedData || code == 1001;
    if (code == 102) {
      inApplicationData = value.starts_with("{");
      continue;
    }
    if (!extendedData && (code == 2 || code == 3)) {
      out.text(code, name);
    } else if (extendedData || (!inApplicationData && !common(code) && code != 5 && code != 330 &&
                                code != 100 && !isHandleReference(code))) {
      context.keptGroup(code, value);
    }
  }
}

std::size_t sourceTableEntries(const model::Document& document) {
  const SourceDrawing* source = sourceOf(document);
  std::size_t count = 0;
  if (source != nullptr) {
    for (const SourceTable& table : source->tables) count += table.entries.size();
  }
  return count;
}

}  // namespace host::dxf
