#include "host/model/listeners.h"

namespace host::model {

Listeners::Id Listeners::add(Listener listener) {
  const Id id = nextId_++;
  listeners_.emplace_back(id, std::move(listener));
  return id;
}

void Listeners::remove(Id id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

void Listeners::notify() const {
  const auto current = listeners_;
  for (const auto& [id, listener] : current) listener();
}

}  // namespace host::model
