#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "cad/launcher.h"

namespace host {

// Reaches CAD applications of this process by ProgID. The table of running instances and
// the way a new instance starts can be injected (tests); a started instance is registered
// under its ProgID, so a later Attach finds it.
class HostLauncher : public cad::Launcher {
 public:
  using RunningTable = std::map<std::string, cad::Ref<cad::Application>>;
  // Starts an application, or throws / returns an empty reference when it cannot.
  using Starter = std::function<cad::Ref<cad::Application>(const std::string& progId)>;

  // Nothing running; a start gives a new host application with one new, empty drawing.
  HostLauncher();
  HostLauncher(RunningTable running, Starter starter);

  // Fails with 429 "ActiveX component can't create object" when nothing runs under progId.
  cad::Ref<cad::Application> Attach(const std::string& progId) override;
  // Fails with 429 when the start fails.
  cad::Ref<cad::Application> Create(const std::string& progId) override;

  const RunningTable& running() const { return running_; }

 private:
  RunningTable running_;
  Starter starter_;
};

}  // namespace host
