#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <optional>
#include <utility>

namespace host::model {

// Which part of model space each change of a drawing touched, so that a window showing it can
// project again only what changed. A change is told by the first model space entity it touched:
// appending touches the new entity's place, replacing or erasing one touches its place, and a
// change elsewhere (a table, a block definition, a header variable) touches the whole of it.
// Entities before the first touched place stand as they were.
class ChangeLog {
 public:
  using Revision = std::uint64_t;
  // The place a change that touches no entity tells (a UCS, a new layer no entity is on yet).
  static constexpr std::size_t kNoEntity = std::numeric_limits<std::size_t>::max();

  // Counts every change told so far.
  Revision revision() const { return revision_; }
  // Tells a change touching model space from `firstIndex` on.
  void touched(std::size_t firstIndex);
  // The first model space place touched since `revision`: none when nothing changed, 0 (all of
  // it) when the log no longer reaches that far back.
  std::optional<std::size_t> firstTouchedSince(Revision revision) const;

 private:
  // The latest changes, (revision, first place), oldest first.
  std::deque<std::pair<Revision, std::size_t>> entries_;
  Revision revision_ = 0;
};

}  // namespace host::model
