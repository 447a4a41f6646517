#include "host/model/block_expansion.h"

#include <optional>
#include <variant>
#include <vector>

namespace host::model {
namespace {

// One block being walked: its entities, the next one to visit, where it is placed.
struct Level {
  std::span<const Entity> entities;
  std::size_t next = 0;
  Eigen::Affine3d toWorld = Eigen::Affine3d::Identity();
  std::optional<BlockIndex> block;  // none for the entities the walk started with
};

class Walk {
 public:
  Walk(const Document& document, ExpansionVisitor& visitor, const ExpansionLimits& limits)
      : blocks_(document.blocks()),
        visitor_(visitor),
        limits_(limits),
        onPath_(blocks_.size(), false),
        recursive_(blocks_.size(), false) {}

  EntitiesNotShown run(std::span<const Entity> entities) {
    levels_.push_back({entities, 0, Eigen::Affine3d::Identity(), std::nullopt});
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.entities.size()) {
        leave();
      } else {
        visitNext();
      }
    }
    return notShown_;
  }

 private:
  const BlockTable& blocks_;
  ExpansionVisitor& visitor_;
  ExpansionLimits limits_;
  std::vector<Level> levels_;
  std::vector<bool> onPath_;     // blocks of the inserts being walked, by index
  std::vector<bool> recursive_;  // blocks found inserting themselves, never followed again
  std::size_t spent_ = 0;
  EntitiesNotShown notShown_;

  void leave() {
    if (const auto block = levels_.back().block) onPath_[*block] = false;
    levels_.pop_back();
  }

  void visitNext() {
    const bool nested = levels_.size() > 1;
    if (nested && spent_ >= limits_.budget) {
      abandonNested();
      return;
    }
    if (nested) ++spent_;
    Level& level = levels_.back();
    const Entity& entity = level.entities[level.next++];
    if (!visitor_.visit(entity, level.toWorld)) {
      ++notShown_.overflowing;
      return;
    }
    if (const auto* insert = std::get_if<BlockReference>(&entity.data)) {
      follow(*insert, level.toWorld);
    }
  }

  // The budget is spent: what is left of every block being walked is not shown.
  void abandonNested() {
    while (levels_.size() > 1) {
      const Level& level = levels_.back();
      notShown_.overBudget += level.entities.size() - level.next;
      leave();
    }
  }

  void follow(const BlockReference& insert, const Eigen::Affine3d& toWorld) {
    if (onPath_[insert.block]) markCycle(insert.block);
    if (recursive_[insert.block]) {
      ++notShown_.recursive;
      return;
    }
    if (levels_.size() > limits_.depth) {
      ++notShown_.tooDeep;
      return;
    }
    if (spent_ >= limits_.budget) {
      ++notShown_.overBudget;
      return;
    }
    const Block& block = blocks_[insert.block];
    const Eigen::Affine3d inner =
        toWorld * insert.placement * Eigen::Translation3d(-block.basePoint);
    if (!inner.matrix().allFinite()) {
      ++notShown_.overflowing;
      return;
    }
    onPath_[insert.block] = true;
    levels_.push_back({block.entities, 0, inner, insert.block});
  }

  // Every block from the one inserted again up to the innermost is part of the cycle.
  void markCycle(BlockIndex block) {
    for (auto level = levels_.rbegin(); level != levels_.rend() && level->block; ++level) {
      recursive_[*level->block] = true;
      if (*level->block == block) break;
    }
  }
};

}  // namespace

EntitiesNotShown expandBlocks(const Document& document, std::span<const Entity> entities,
                              ExpansionVisitor& visitor, const ExpansionLimits& limits) {
  return Walk(document, visitor, limits).run(entities);
}

}  // namespace host::model
