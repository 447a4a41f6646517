#pragma once

#include <string>

#include "cad/automation.h"

namespace cad {

// The platform's way to reach a CAD application by its ProgID.
class Launcher {
 public:
  virtual ~Launcher() = default;
  // The running instance registered under `progId`; fails when none runs.
  virtual Ref<Application> Attach(const std::string& progId) = 0;
  // Starts a new instance under `progId`; fails when it cannot be started.
  virtual Ref<Application> Create(const std::string& progId) = 0;
};

}  // namespace cad
