#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "form/frm_kestova.h"
#include "host/automation/host_application.h"
#include "host/automation/host_document.h"
#include "host/automation/host_launcher.h"
#include "host/automation/scripted_point_source.h"
#include "support/form_doubles.h"

namespace formtest {

// The dialog against the in-memory CAD host: instances registered under any ProgID, a start
// that succeeds unless told otherwise, and points answered from a script.
struct FormFixture : ::testing::Test {
  host::HostLauncher::RunningTable running;
  bool startable = true;
  std::shared_ptr<host::HostApplication> started;
  std::shared_ptr<host::ScriptedPointSource> points = std::make_shared<host::ScriptedPointSource>();
  std::optional<host::HostLauncher> launcher;
  RecordedMessages messages;
  MemorySettings settings;
  std::string decimalSeparator = ".";
  int helpShown = 0;
  // What F1 does; counts the notes shown unless a test makes it fail.
  std::function<void()> help = [this] { ++helpShown; };
  std::unique_ptr<form::frmKestova> form;

  // A host with one new drawing, running under `progId`.
  std::shared_ptr<host::HostApplication> runHost(const std::string& progId, int luprec = 4) {
    auto application = host::HostApplication::withNewDrawing();
    application->setPointSource(points);
    host::model::HeaderVariables header;
    header.luprec = luprec;
    application->activeModel()->setHeader(header);
    running[progId] = std::shared_ptr<cad::Application>(application);
    return application;
  }

  // A new dialog, not yet loaded.
  form::frmKestova& make() {
    launcher.emplace(running, [this](const std::string&) -> cad::Ref<cad::Application> {
      if (!startable) return {};
      started = host::HostApplication::withNewDrawing();
      started->setPointSource(points);
      return std::shared_ptr<cad::Application>(started);
    });
    form::FormServices services{&*launcher, &messages, &settings, decimalSeparator,
                                [this] { help(); }};
    form = std::make_unique<form::frmKestova>(std::move(services));
    return *form;
  }

  form::frmKestova& load() {
    make().Form_Load();
    return *form;
  }

  // The drawing the dialog works in.
  host::model::Document& drawing() { return *host::modelOf(form->variables().acadDoc); }
};

}  // namespace formtest
