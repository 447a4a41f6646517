#include "host/dxf/source_drawing.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace host::dxf {

const SourceTable* SourceDrawing::table(std::string_view name) const {
  for (const SourceTable& table : tables) {
    if (table.name == name) return &table;
  }
  return nullptr;
}

std::uint32_t KeptEntityRecords::add(std::span<const Record> records) {
  // Chunks of about 16 MB of groups: room made once, so that filling one never copies it.
  constexpr std::size_t kChunkBytes = std::size_t{16} << 20;
  std::size_t bytes = 0;
  std::size_t groups = 0;
  for (const Record& record : records) {
    for (const Group& group : record) {
      bytes += model::RawGroups::storedBytes(group.value.size());
      ++groups;
    }
  }
  if (chunks_.empty() || chunks_.back().storedBytes() + bytes > kChunkBytes) {
    // The groups' bytes with room for their headers, which reserve counts apart.
    const std::size_t room = std::max(bytes, kChunkBytes);
    chunks_.emplace_back().reserve(room / 8, room - room / 8 * 2);
  }
  model::RawGroups& chunk = chunks_.back();
  starts_.push_back(
      {static_cast<std::uint32_t>(chunks_.size() - 1), static_cast<std::uint32_t>(chunk.size())});
  for (const Record& record : records) {
    for (const Group& group : record) chunk.append(group.code, group.value);
  }
  return static_cast<std::uint32_t>(starts_.size() - 1);
}

RecordView KeptEntityRecords::operator[](std::uint32_t record) const {
  const Start start = starts_.at(record);
  const model::RawGroups& chunk = chunks_[start.chunk];
  const bool lastInChunk = record + 1 == starts_.size() || starts_[record + 1].chunk != start.chunk;
  const std::size_t end = lastInChunk ? chunk.size() : starts_[record + 1].group;
  return {chunk[start.group].value, &chunk, start.group + 1, end};
}

const SourceDrawing* sourceOf(const model::Document& document) {
  return dynamic_cast<const SourceDrawing*>(document.foreignContent());
}

SourceRecord keepRecord(const Record& record) {
  SourceRecord kept{std::string(record.type()), {}};
  bool type = true;
  for (const Group& group : record) {
    if (!std::exchange(type, false)) kept.groups.append(group.code, group.value);
  }
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
