#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/frm_kestova.h"
#include "fake_cad.h"

namespace apptest {

// Message boxes that answer from a script and keep what they showed.
struct RecordedMessages : app::MessageBoxes {
  bool answerYes = true;
  std::vector<std::string> questions;
  std::vector<std::string> informed;

  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return answerYes;
  }
  void Inform(const std::string& text) override { informed.push_back(text); }
};

// A settings store in memory, keyed "application/section/key".
struct MemorySettings : app::SettingsStore {
  std::map<std::string, std::string> entries;
  bool readFails = false;
  bool writeFails = false;
  std::vector<std::string> written;

  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& defaultText) override {
    if (readFails) return std::nullopt;
    const auto found = entries.find(application + "/" + section + "/" + key);
    return found == entries.end() ? defaultText : found->second;
  }
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& text) override {
    if (writeFails) return false;
    written.push_back(text);
    entries[application + "/" + section + "/" + key] = text;
    return true;
  }
  std::optional<std::string> height() const {
    const auto found = entries.find("Kestova/startup/Height");
    return found == entries.end() ? std::nullopt : std::optional(found->second);
  }
};

// Records whether the dialog is shown, in the order it was hidden and shown.
struct ShownRecorder : app::FormObserver {
  std::vector<bool> changes;
  void controlChanged(std::string_view) override {}
  void shownChanged(bool shown) override { changes.push_back(shown); }
};

// A dialog wired to a fake CAD program, the message boxes and the settings above.
struct FormFixture : ::testing::Test {
  fake::Launcher launcher;
  cad::Launcher* launcherInUse = &launcher;
  RecordedMessages messages;
  MemorySettings settings;
  int helpShown = 0;
  std::string decimalSeparator = ".";
  std::unique_ptr<app::frmKestova> form;

  // An instance running under `progId`, with its document.
  std::shared_ptr<fake::Application> run(const std::string& progId) {
    auto application = std::make_shared<fake::Application>();
    launcher.running[progId] = application;
    return application;
  }

  app::frmKestova& make() {
    app::FormServices services;
    services.launcher = launcherInUse;
    services.messages = &messages;
    services.settings = &settings;
    services.decimalSeparator = decimalSeparator;
    services.showHelp = [this] { ++helpShown; };
    form = std::make_unique<app::frmKestova>(std::move(services));
    return *form;
  }

  app::frmKestova& load() {
    make().Form_Load();
    return *form;
  }
};

}  // namespace apptest
