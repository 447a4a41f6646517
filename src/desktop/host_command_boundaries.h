#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/command_boundaries.h"
#include "host/automation/host_application.h"

namespace desktop {

// The built-in host's undo steps around the dialog's work: everything one Insert changes in a
// drawing is one step named after it, and what the start-up prepares (the label style, the
// arrow block) belongs to the drawing as opened, so a drawing with no other change closes
// without asking to save.
class HostCommandBoundaries : public app::CommandBoundaries {
 public:
  // The hosts the dialog may work in; start-up may add one (a host started with a new drawing).
  explicit HostCommandBoundaries(const std::vector<std::shared_ptr<host::HostApplication>>& hosts)
      : hosts_(hosts) {}

  void startUp(const std::function<void()>& run) override;
  void command(const std::string& name, const std::function<void()>& run) override;

 private:
  const std::vector<std::shared_ptr<host::HostApplication>>& hosts_;

  // Every drawing open in a host now; kept alive, so that one closed during a command still
  // ends its step.
  std::vector<std::shared_ptr<host::model::Document>> openDrawings() const;
};

}  // namespace desktop
