#include "host/model/ucs_table.h"

#include "host/model/names.h"

namespace host::model {

std::optional<std::size_t> UcsTable::find(std::string_view name) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (sameName(entries_[i].name, name)) return i;
  }
  return std::nullopt;
}

}  // namespace host::model
