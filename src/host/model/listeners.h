#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace host::model {

// Who wants to hear that a drawing changed.
class Listeners {
 public:
  using Listener = std::function<void()>;
  using Id = std::size_t;

  Id add(Listener listener);
  // An unknown id is no change.
  void remove(Id id);
  // Calls every listener registered now; a listener may add or remove listeners.
  void notify() const;

 private:
  std::vector<std::pair<Id, Listener>> listeners_;
  Id nextId_ = 1;
};

}  // namespace host::model
