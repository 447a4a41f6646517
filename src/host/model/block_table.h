#pragma once

#include <string>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/entities.h"
#include "host/model/named_table.h"

namespace host::model {

// A block definition, or one of the two spaces, which are blocks of their own.
struct Block {
  std::string name;
  Eigen::Vector3d basePoint = Eigen::Vector3d::Zero();
  std::vector<Entity> entities;
};

// The drawing's blocks. "*Model_Space" is always at index 0 and "*Paper_Space" at index 1;
// definitions follow in the order they were added. Indices never change.
class BlockTable : public NamedTable<Block, BlockIndex> {
 public:
  static constexpr BlockIndex kModelSpace = 0;
  static constexpr BlockIndex kPaperSpace = 1;

  BlockTable()
      : NamedTable({Block{"*Model_Space", Eigen::Vector3d::Zero(), {}},
                    Block{"*Paper_Space", Eigen::Vector3d::Zero(), {}}}) {}

  // Changed through the document, which records the change for undo.
  using NamedTable::at;
};

}  // namespace host::model
