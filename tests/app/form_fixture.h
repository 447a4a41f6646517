#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/frm_kestova.h"
#include "host/automation/host_application.h"
#include "host/automation/host_document.h"
#include "host/automation/host_launcher.h"
#include "host/automation/scripted_point_source.h"

namespace apptest {

// Message boxes that answer from a script and keep what they showed.
struct RecordedMessages : app::MessageBoxes {
  bool answerYes = true;
  std::vector<std::string> questions, informed;

  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return answerYes;
  }
  void Inform(const std::string& text) override { informed.push_back(text); }
};

// The settings store in memory; only the text height is ever stored.
struct MemorySettings : app::SettingsStore {
  std::optional<std::string> height;
  bool fails = false;
  std::vector<std::string> written;

  std::optional<std::string> Read(const std::string&, const std::string&, const std::string&,
                                  const std::string& defaultText) override {
    if (fails) return std::nullopt;
    return height.value_or(defaultText);
  }
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& text) override {
    if (fails) return false;
    EXPECT_EQ(application + "/" + section + "/" + key, "Kestova/startup/Height");
    written.push_back(text);
    height = text;
    return true;
  }
};

// The order in which the dialog was hidden and shown.
struct ShownRecorder : app::FormObserver {
  std::vector<bool> changes;
  void controlChanged(std::string_view) override {}
  void shownChanged(bool shown) override { changes.push_back(shown); }
};

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
  std::unique_ptr<app::frmKestova> form;

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
  app::frmKestova& make() {
    launcher.emplace(running, [this](const std::string&) -> cad::Ref<cad::Application> {
      if (!startable) return {};
      started = host::HostApplication::withNewDrawing();
      started->setPointSource(points);
      return std::shared_ptr<cad::Application>(started);
    });
    app::FormServices services{&*launcher, &messages, &settings, decimalSeparator,
                               [this] { ++helpShown; }};
    form = std::make_unique<app::frmKestova>(std::move(services));
    return *form;
  }

  app::frmKestova& load() {
    make().Form_Load();
    return *form;
  }

  // The drawing the dialog works in.
  host::model::Document& drawing() { return *host::modelOf(form->variables().acadDoc); }
};

}  // namespace apptest
