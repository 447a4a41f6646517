#include "host/model/handle_index.h"

namespace host::model {

std::optional<EntityLocation> HandleIndex::locate(const BlockTable& blocks,
                                                  ChangeLog::Revision revision, Handle handle) {
  if (builtAt_ != revision) {
    locations_.clear();
    for (BlockIndex block = 0; block < blocks.size(); ++block) {
      const auto& entities = blocks[block].entities;
      for (std::size_t index = 0; index < entities.size(); ++index) {
        locations_.emplace(entities[index].handle, EntityLocation{block, index});
      }
    }
    builtAt_ = revision;
  }
  const auto found = locations_.find(handle);
  if (found == locations_.end()) return std::nullopt;
  return found->second;
}

}  // namespace host::model
