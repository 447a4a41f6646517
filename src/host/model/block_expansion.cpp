#include "host/model/block_expansion.h"

#include <algorithm>
#include <optional>
#include <type_traits>
#include <variant>
#include <vector>

namespace host::model {

std::size_t primitivesOf(const Entity& entity) {
  const std::size_t count = std::visit(
      [](const auto& data) -> std::size_t {
        using Data = std::decay_t<decltype(data)>;
        if constexpr (std::is_same_v<Data, Polyline3d> || std::is_same_v<Data, Polyline2d>) {
          return data.vertices.size();
        } else if constexpr (std::is_same_v<Data, Text> || std::is_same_v<Data, MText>) {
          return data.text.size();
        } else if constexpr (std::is_same_v<Data, UnsupportedEntity>) {
          return data.groups.size();
        } else {
          return 1;
        }
      },
      entity.data);
  return std::max<std::size_t>(count, 1);
}

namespace {

// One block being walked: its entities, the next one to visit, where it is placed.
struct Level {
  std::span<const Entity> entities;
  std::size_t next = 0;
  Eigen::Affine3d toWorld = Eigen::Affine3d::Identity();
  std::optional<BlockIndex> block;  // none for the entities the walk started with
  // Where the copies of an array still to be walked are placed, the next one last.
  std::vector<Eigen::Affine3d> copiesLeft;
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
    levels_.push_back({entities, 0, Eigen::Affine3d::Identity(), std::nullopt, {}});
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.entities.size() && !level.copiesLeft.empty()) {
        level.toWorld = level.copiesLeft.back();
        level.copiesLeft.pop_back();
        level.next = 0;
      } else if (level.next == level.entities.size()) {
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
    if (const auto block = levels_.back().block) {
      onPath_[*block] = false;
      visitor_.leave();
    }
    levels_.pop_back();
  }

  void visitNext() {
    const bool nested = levels_.size() > 1;
    if (nested && spent_ >= limits_.budget) {
      abandonNested();
      return;
    }
    Level& level = levels_.back();
    const Entity& entity = level.entities[level.next++];
    if (nested) spent_ += primitivesOf(entity);
    const Eigen::Affine3d toWorld = level.toWorld;
    if (!visitor_.visit(entity, toWorld)) {
      ++notShown_.overflowing;
      return;
    }
    if (const auto* insert = std::get_if<BlockReference>(&entity.data)) {
      follow(entity, insert->block, std::span(&insert->placement, 1), toWorld);
    } else if (const auto kept = visitor_.keptInsertion(entity)) {
      follow(entity, kept->block, kept->placements, toWorld);
    }
  }

  // The budget is spent: what is left of every block being walked is not shown.
  void abandonNested() {
    while (levels_.size() > 1) {
      const Level& level = levels_.back();
      notShown_.overBudget +=
          level.entities.size() - level.next + level.copiesLeft.size() * level.entities.size();
      leave();
    }
  }

  void follow(const Entity& insert, BlockIndex block, std::span<const Placement> placements,
              const Eigen::Affine3d& toWorld) {
    if (placements.empty() || block >= blocks_.size()) return;
    if (onPath_[block]) markCycle(block);
    if (recursive_[block]) {
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
    const Eigen::Translation3d fromBase(-blocks_[block].basePoint);
    std::vector<Eigen::Affine3d> copies;
    copies.reserve(placements.size() - 1);
    for (std::size_t i = placements.size() - 1; i > 0; --i) {
      copies.push_back(toWorld * placements[i] * fromBase);
    }
    const Eigen::Affine3d first = toWorld * placements[0] * fromBase;
    const bool finite =
        first.matrix().allFinite() && std::ranges::all_of(copies, [](const Eigen::Affine3d& copy) {
          return copy.matrix().allFinite();
        });
    if (!finite) {
      ++notShown_.overflowing;
      return;
    }
    if (!visitor_.enter(insert)) return;
    onPath_[block] = true;
    levels_.push_back({blocks_[block].entities, 0, first, block, std::move(copies)});
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
