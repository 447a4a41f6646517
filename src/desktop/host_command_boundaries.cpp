#include "desktop/host_command_boundaries.h"

#include <algorithm>
#include <list>

namespace desktop {

std::vector<std::shared_ptr<host::model::Document>> HostCommandBoundaries::openDrawings() const {
  std::vector<std::shared_ptr<host::model::Document>> drawings;
  for (const auto& hostApplication : hosts_) {
    for (auto& document : hostApplication->documents()) drawings.push_back(std::move(document));
  }
  return drawings;
}

void HostCommandBoundaries::startUp(const std::function<void()>& run) {
  std::vector<std::pair<std::shared_ptr<host::model::Document>, bool>> before;
  for (auto& document : openDrawings()) {
    const bool modified = document->modified();
    before.emplace_back(std::move(document), modified);
  }
  run();
  // A drawing opened during start-up (a new one in a started host) had nothing to keep.
  for (const auto& document : openDrawings()) {
    const auto found = std::ranges::find(before, document, [](const auto& d) { return d.first; });
    document->restartHistory(found != before.end() && found->second);
  }
}

void HostCommandBoundaries::command(const std::string& name, const std::function<void()>& run) {
  const auto drawings = openDrawings();
  // A list, since a group must not move once begun; groups end in reverse order.
  std::list<host::model::Document::UndoGroup> steps;
  for (const auto& document : drawings) steps.emplace_front(*document, name);
  run();
}

}  // namespace desktop
