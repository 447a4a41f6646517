#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/form_layout.h"
#include "app/message_boxes.h"
#include "app/settings_store.h"
#include "cad/launcher.h"
#include "insert/dialog.h"

namespace app {

// What the dialog needs from outside, injected so that the dialog runs without a window.
struct FormServices {
  cad::Launcher* launcher = nullptr;
  MessageBoxes* messages = nullptr;
  SettingsStore* settings = nullptr;
  // The user's decimal separator, for the stored text height.
  std::string decimalSeparator = ".";
  // Shows the help notes modally.
  std::function<void()> showHelp;
};

// Told about every change of the dialog's state, so that a window can follow it.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void controlChanged(std::string_view control) = 0;
  virtual void shownChanged(bool shown) = 0;
};

// The main dialog without a toolkit: every control by its name with its text or value and
// visibility, the dialog's own variables, and the event handlers, which reach the controls
// only through this model.
class frmKestova : public insert::DialogControls {
 public:
  explicit frmKestova(FormServices services);

  // Controls. Naming a control the dialog lacks is a programming error (std::logic_error).
  std::string Text(std::string_view control) const override;
  // Setting a different text of `txtTextHgt` runs `txtTextHgt_Change`.
  void SetText(std::string_view control, const std::string& text);
  int CheckValue(std::string_view control) const override;
  // A changed value of `chkAvDevs` runs `chkAvDevs_Click`.
  void SetCheckValue(std::string_view control, int value);
  bool OptionValue(std::string_view control) const override;
  // Selects the option and clears the other of its frame.
  void SelectOption(std::string_view control);
  bool Visible(std::string_view control) const;
  void SetVisible(std::string_view control, bool visible);

  void Hide() override;
  void Show() override;
  bool IsShown() const { return shown_; }

  insert::DialogVariables& variables() { return vars_; }
  const insert::DialogVariables& variables() const { return vars_; }
  void setObserver(FormObserver* observer) { observer_ = observer; }

  // Event handlers. Failures come out as cad::AutomationError, except in Form_Load, which
  // goes on past every failure.
  void Form_Load();
  void Form_KeyDown(int keyCode, int shift);
  void cmdPickDevs_Click();
  void chkAvDevs_Click();
  void cmdInsert_Click();
  void txtTextHgt_Change();

  // Runs a handler for the window: a failure is reported as "Error <number>: <description>"
  // and a dialog the handler had hidden is shown again.
  void runReported(const std::function<void()>& handler);

  // Key code of F1, the one key the dialog acts on.
  static constexpr int kF1 = 112;

 private:
  struct ControlState {
    const ControlDefinition* definition;
    std::string text;
    int value;
    bool visible;
  };

  ControlState& control(std::string_view name);
  const ControlState& control(std::string_view name) const;
  void changed(std::string_view name);

  void CreateArrowBlock();
  void loadTextHeight();

  FormServices services_;
  std::vector<ControlState> controls_;
  insert::DialogVariables vars_;
  bool shown_ = false;
  FormObserver* observer_ = nullptr;
};

}  // namespace app
