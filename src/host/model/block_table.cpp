#include "host/model/block_table.h"

#include <utility>

#include "host/model/names.h"

namespace host::model {

BlockTable::BlockTable() {
  blocks_.push_back(Block{"*Model_Space", Eigen::Vector3d::Zero(), {}});
  blocks_.push_back(Block{"*Paper_Space", Eigen::Vector3d::Zero(), {}});
}

std::optional<BlockIndex> BlockTable::find(std::string_view name) const {
  for (std::size_t i = 0; i < blocks_.size(); ++i) {
    if (sameName(blocks_[i].name, name)) return static_cast<BlockIndex>(i);
  }
  return std::nullopt;
}

BlockIndex BlockTable::add(Block block) {
  blocks_.push_back(std::move(block));
  return static_cast<BlockIndex>(blocks_.size() - 1);
}

void BlockTable::removeLast() {
  blocks_.pop_back();
}

}  // namespace host::model
