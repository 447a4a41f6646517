#pragma once

#include <optional>
#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/entities.h"

namespace host::model {

// A block definition, or one of the two spaces, which are blocks of their own.
struct Block {
  std::string name;
  Eigen::Vector3d basePoint = Eigen::Vector3d::Zero();
  std::vector<Entity> entities;
};

// The drawing's blocks. "*Model_Space" is always at index 0 and "*Paper_Space" at index 1;
// definitions follow in the order they were added. Indices never change.
class BlockTable {
 public:
  static constexpr BlockIndex kModelSpace = 0;
  static constexpr BlockIndex kPaperSpace = 1;

  BlockTable();

  std::optional<BlockIndex> find(std::string_view name) const;
  const Block& operator[](BlockIndex index) const { return blocks_.at(index); }
  std::size_t size() const { return blocks_.size(); }

  // Changed through the document, which records the change for undo.
  Block& at(BlockIndex index) { return blocks_.at(index); }
  BlockIndex add(Block block);
  void removeLast();

 private:
  std::vector<Block> blocks_;
};

}  // namespace host::model
