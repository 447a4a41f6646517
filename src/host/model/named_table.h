#pragma once

#include <cassert>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/model/names.h"

namespace host::model {

// Records of one kind found by name without regard to ASCII case, kept in the order they were
// added so that an index, once given out, never changes. Each record has a `name`, and no two
// records share one (the document refuses a second record of a name). Names are found by hash,
// so a drawing of a hundred thousand layers loads as fast as one of ten.
template <typename Record, typename Index>
class NamedTable {
 public:
  std::optional<Index> find(std::string_view name) const {
    const auto found = byName_.find(foldedName(name));
    if (found == byName_.end()) return std::nullopt;
    return found->second;
  }
  const Record& operator[](Index index) const { return records_.at(index); }
  std::size_t size() const { return records_.size(); }
  const std::vector<Record>& all() const { return records_; }

  // Changed through the document, which records the change for undo.
  Index add(Record record) {
    const auto index = static_cast<Index>(records_.size());
    [[maybe_unused]] const bool added = byName_.emplace(foldedName(record.name), index).second;
    assert(added && "a second record of one name");
    records_.push_back(std::move(record));
    return index;
  }
  void set(Index index, Record record) {
    Record& target = records_.at(index);
    if (!sameName(target.name, record.name)) {
      byName_.erase(foldedName(target.name));
      [[maybe_unused]] const bool added = byName_.emplace(foldedName(record.name), index).second;
      assert(added && "a second record of one name");
    }
    target = std::move(record);
  }
  void removeLast() {
    byName_.erase(foldedName(records_.back().name));
    records_.pop_back();
  }

 protected:
  // The records every table of this kind starts with.
  explicit NamedTable(std::vector<Record> defaults) { replaceAll(std::move(defaults)); }

  Record& at(Index index) { return records_.at(index); }
  void replaceAll(std::vector<Record> records) {
    records_ = std::move(records);
    byName_.clear();
    for (std::size_t i = 0; i < records_.size(); ++i) {
      byName_.emplace(foldedName(records_[i].name), static_cast<Index>(i));
    }
  }

 private:
  std::vector<Record> records_;
  std::unordered_map<std::string, Index> byName_;  // folded name to index
};

}  // namespace host::model
