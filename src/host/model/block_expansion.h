#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/document.h"

namespace host::model {

// How far inserts are followed into their blocks. A drawing is only as large as its file, but
// blocks inserting blocks multiply it: ten inserts in each of eight nested blocks make a hundred
// million entities from a page of text.
struct ExpansionLimits {
  // Primitives drawn inside blocks (see primitivesOf), so that a block of one long polyline
  // inserted many times is cut off as early as a block of as many lines. The entities listed at
  // the top (model space's) are bounded by the file and always drawn.
  std::size_t budget = 1'000'000;
  // Inserts within inserts.
  std::size_t depth = 64;
};

// The entities an expansion left out, by why. An insert whose block is not followed counts
// once, as does every entity not reached once the budget is spent.
struct EntitiesNotShown {
  std::size_t recursive = 0;    // inserts of a block that inserts itself, directly or not
  std::size_t tooDeep = 0;      // inserts nested deeper than the limit
  std::size_t overBudget = 0;   // entities beyond the budget
  std::size_t overflowing = 0;  // entities whose world coordinates overflow

  std::size_t total() const { return recursive + tooDeep + overBudget + overflowing; }
};

// What drawing an entity costs, in primitives: a vertex of a polyline, a character of a text, a
// group of an entity kept as read (drawn from its groups), one for anything else. An insert
// counts one, so that inserts of empty blocks count too.
std::size_t primitivesOf(const Entity& entity);

// What an insert places: a block, and where each copy of it goes (one copy for a plain
// insert, a copy per row and column for an array), as BlockReference::placement.
struct Insertion {
  BlockIndex block = 0;
  std::vector<Placement> placements;
};

// Receives the entities an expansion reaches.
class ExpansionVisitor {
 public:
  virtual ~ExpansionVisitor() = default;
  // `entity` placed by `toWorld`, the transformation from its block to world coordinates. An
  // insert comes before what its block contains. Returns false when the entity cannot be placed
  // (a coordinate overflows): it is counted as not shown, and an insert is not followed.
  virtual bool visit(const Entity& entity, const Eigen::Affine3d& toWorld) = 0;
  // What an entity other than a BlockReference inserts: a reader keeps arrays, flattened
  // inserts and inserts with attributes as read, and a visitor that reads them can have the
  // walk follow them too. Asked after `visit` accepted the entity.
  virtual std::optional<Insertion> keptInsertion(const Entity&) { return std::nullopt; }
  // Whether to follow `insert` into its block, asked once the walk would: a viewer skips what
  // an insert on a hidden layer holds. Every insert entered is left once all its copies are
  // walked, or the walk gives them up.
  virtual bool enter(const Entity& /*insert*/) { return true; }
  virtual void leave() {}
};

// Hands `entities` of `document` (those of model space, say) to `visitor`, each insert followed
// by the entities of its block, depth first in drawing order. The walk keeps its own stack, so
// that no file can make it deep. A block that inserts itself, directly or through others, is
// drawn once and never followed again; inserts beyond the depth limit or the budget, and inserts
// whose placement overflows, are not followed.
EntitiesNotShown expandBlocks(const Document& document, std::span<const Entity> entities,
                              ExpansionVisitor& visitor, const ExpansionLimits& limits = {});

}  // namespace host::model
