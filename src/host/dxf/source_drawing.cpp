#include "host/dxf/source_drawing.h"

#include <charconv>

namespace host::dxf {

const SourceTable* SourceDrawing::table(std::string_view name) const {
  for (const SourceTable& table : tables) {
    if (table.name == name) return &table;
  }
  return nullptr;
}

const SourceDrawing* sourceOf(const model::Document& document) {
  return dynamic_cast<const SourceDrawing*>(document.foreignContent());
}

void appendRecord(SourceRecord& kept, const Record& record, bool keepType) {
  bool type = true;
  for (const Group& group : record) {
    if (std::exchange(type, false)) {
      if (keepType) kept.groups.append(0, group.value);
      continue;
    }
    kept.groups.append(group.code, group.value);
  }
}

SourceRecord keepRecord(const Record& record) {
  SourceRecord kept{std::string(record.type()), {}};
  appendRecord(kept, record, false);
  return kept;
}

std::optional<std::uint64_t> parseHandle(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (error != std::errc() || end != text.data() + text.size() || value == 0) return std::nullopt;
  return value;
}

std::uint64_t handleOf(const SourceRecord& record) {
  for (const auto [code, value] : record.groups) {
    if (code == 0) break;
    if (code == 5 || code == 105) return parseHandle(value).value_or(0);
  }
  return 0;
}

}  // namespace host::dxf
