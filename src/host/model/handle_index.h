#pragma once

#include <optional>
#include <unordered_map>

#include "host/model/block_table.h"
#include "host/model/change_log.h"
#include "host/model/document.h"

namespace host::model {

// Where each entity of a drawing stands, by handle, so that finding one takes the same time
// however large the drawing. Built when first asked, and again when asked after a change.
class HandleIndex {
 public:
  // Where the entity with `handle` stands in `blocks` at `revision` of the drawing's changes.
  std::optional<EntityLocation> locate(const BlockTable& blocks, ChangeLog::Revision revision,
                                       Handle handle);
  // The handles changed without a revision (fresh handles given while loading).
  void forget() { builtAt_.reset(); }

 private:
  std::unordered_map<Handle, EntityLocation> locations_;
  std::optional<ChangeLog::Revision> builtAt_;
};

}  // namespace host::model
