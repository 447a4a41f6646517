#include "host/automation/host_launcher.h"

#include <exception>
#include <utility>

#include "cad/automation_error.h"
#include "host/automation/host_application.h"

namespace host {
namespace {

cad::AutomationError cannotCreate() {
  return cad::AutomationError(429, "ActiveX component can't create object");
}

}  // namespace

HostLauncher::HostLauncher()
    : HostLauncher({}, [](const std::string&) -> cad::Ref<cad::Application> {
        return std::shared_ptr<cad::Application>(HostApplication::withNewDrawing());
      }) {}

HostLauncher::HostLauncher(RunningTable running, Starter starter)
    : running_(std::move(running)), starter_(std::move(starter)) {}

cad::Ref<cad::Application> HostLauncher::Attach(const std::string& progId) {
  const auto found = running_.find(progId);
  if (found == running_.end() || !found->second) throw cannotCreate();
  return found->second;
}

cad::Ref<cad::Application> HostLauncher::Create(const std::string& progId) {
  cad::Ref<cad::Application> started;
  try {
    if (starter_) started = starter_(progId);
  } catch (const std::exception&) {
    throw cannotCreate();
  }
  if (!started) throw cannotCreate();
  running_[progId] = started;
  return started;
}

}  // namespace host
