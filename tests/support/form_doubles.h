#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/frm_kestova.h"

// What the main dialog is given from outside, as plain values for tests. No test framework, so
// that the Windows cross-build tests use them too.
namespace formtest {

// Message boxes that answer from a script and keep what they showed.
struct RecordedMessages : form::MessageBoxes {
  bool answerYes = true;
  std::vector<std::string> questions, informed;

  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return answerYes;
  }
  void Inform(const std::string& text) override { informed.push_back(text); }
};

// The settings store in memory. It holds only the text height, the one entry the dialog
// keeps: any other entry is a failure to read or write.
struct MemorySettings : form::SettingsStore {
  std::optional<std::string> height;
  bool fails = false;
  std::vector<std::string> written;

  static bool isHeight(const std::string& application, const std::string& section,
                       const std::string& key) {
    return application == "Kestova" && section == "startup" && key == "Height";
  }
  std::optional<std::string> Read(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& defaultText) override {
    if (fails || !isHeight(application, section, key)) return std::nullopt;
    return height.value_or(defaultText);
  }
  bool Write(const std::string& application, const std::string& section, const std::string& key,
             const std::string& text) override {
    if (fails || !isHeight(application, section, key)) return false;
    written.push_back(text);
    height = text;
    return true;
  }
};

// The order in which the dialog was hidden and shown, as "Hide" and "Show".
struct ShownRecorder : form::FormObserver {
  std::vector<std::string> changes;
  void controlChanged(form::ControlId) override {}
  void shownChanged(bool shown) override { changes.push_back(shown ? "Show" : "Hide"); }
};

}  // namespace formtest
