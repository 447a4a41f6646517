#include "host/model/change_log.h"

#include <algorithm>

namespace host::model {
namespace {

// A window looks after every change, so only a few are ever asked about; the log stays small
// however long the drawing is edited.
constexpr std::size_t kKept = 256;

}  // namespace

void ChangeLog::touched(std::size_t firstIndex) {
  ++revision_;
  if (entries_.size() == kKept) entries_.pop_front();
  entries_.emplace_back(revision_, firstIndex);
}

std::optional<std::size_t> ChangeLog::firstTouchedSince(Revision revision) const {
  if (revision >= revision_) return std::nullopt;
  if (entries_.empty() || entries_.front().first > revision + 1) return 0;
  std::size_t first = entries_.back().second;
  for (auto at = entries_.rbegin(); at != entries_.rend() && at->first > revision; ++at) {
    first = std::min(first, at->second);
  }
  return first;
}

}  // namespace host::model
