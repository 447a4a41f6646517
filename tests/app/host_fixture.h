#pragma once

#include <memory>
#include <optional>
#include <string>

#include "form_fixture.h"
#include "host/automation/host_application.h"
#include "host/automation/host_document.h"
#include "host/automation/host_launcher.h"
#include "host/automation/scripted_point_source.h"

namespace apptest {

// The dialog against the in-memory CAD host: instances registered under any ProgID, points
// answered from a script.
struct HostFixture : FormFixture {
  host::HostLauncher::RunningTable running;
  std::shared_ptr<host::ScriptedPointSource> points = std::make_shared<host::ScriptedPointSource>();
  // Whether a start succeeds, and the instance it started.
  bool startable = true;
  std::shared_ptr<host::HostApplication> started;
  std::optional<host::HostLauncher> hostLauncher;

  // A host with one new drawing, running under `progId`.
  std::shared_ptr<host::HostApplication> runHost(const std::string& progId) {
    auto application = host::HostApplication::withNewDrawing();
    application->setPointSource(points);
    running[progId] = std::shared_ptr<cad::Application>(application);
    return application;
  }

  app::frmKestova& loadOnHost() {
    hostLauncher.emplace(running, [this](const std::string&) -> cad::Ref<cad::Application> {
      if (!startable) return {};
      started = host::HostApplication::withNewDrawing();
      started->setPointSource(points);
      return std::shared_ptr<cad::Application>(started);
    });
    launcherInUse = &*hostLauncher;
    return load();
  }

  // The drawing the dialog works in.
  host::model::Document& drawing() { return *host::modelOf(form->variables().acadDoc); }
};

}  // namespace apptest
