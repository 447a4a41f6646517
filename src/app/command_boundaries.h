#pragma once

#include <functional>
#include <string>

namespace app {

// Where the dialog's work on the drawing begins and ends, for a CAD host that makes one undo
// step of each command. The CAD program keeps its own undo through its automation; there the
// defaults, which just run the work, are all that is needed.
class CommandBoundaries {
 public:
  virtual ~CommandBoundaries() = default;
  // Runs the dialog's start-up: what it prepares in the drawing belongs to opening it.
  virtual void startUp(const std::function<void()>& run) { run(); }
  // Runs one command of the dialog ("Insert") that may change the drawing.
  virtual void command(const std::string& /*name*/, const std::function<void()>& run) { run(); }
};

}  // namespace app
