#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "host/model/names.h"

namespace host::model {

// Records of one kind found by name without regard to ASCII case, kept in the order they were
// added so that an index, once given out, never changes. Each record has a `name`.
template <typename Record, typename Index>
class NamedTable {
 public:
  std::optional<Index> find(std::string_view name) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
      if (sameName(records_[i].name, name)) return static_cast<Index>(i);
    }
    return std::nullopt;
  }
  const Record& operator[](Index index) const { return records_.at(index); }
  std::size_t size() const { return records_.size(); }
  const std::vector<Record>& all() const { return records_; }

  // Changed through the document, which records the change for undo.
  Index add(Record record) {
    records_.push_back(std::move(record));
    return static_cast<Index>(records_.size() - 1);
  }
  void set(Index index, Record record) { records_.at(index) = std::move(record); }
  void removeLast() { records_.pop_back(); }

 protected:
  // The records every table of this kind starts with.
  explicit NamedTable(std::vector<Record> defaults) : records_(std::move(defaults)) {}

  Record& at(Index index) { return records_.at(index); }

 private:
  std::vector<Record> records_;
};

}  // namespace host::model
