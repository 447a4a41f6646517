#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "cad/launcher.h"
#include "form/form_layout.h"
#include "form/message_boxes.h"
#include "form/settings_store.h"
#include "insert/control_ids.h"
#include "insert/dialog.h"

namespace form {

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
  virtual void controlChanged(ControlId control) = 0;
  virtual void shownChanged(bool shown) = 0;
};

// The main dialog without a toolkit: every control by its name with its text or value and
// visibility, the dialog's own variables, and the event handlers, which reach the controls
// only through this model.
class frmKestova : public insert::DialogControls {
 public:
  explicit frmKestova(FormServices services);

  // Controls, by the names of the table of control ids. Naming a control the dialog lacks is a
  // programming error (std::logic_error).
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

  // Event handlers. Failures come out as exceptions, cad::AutomationError for a failing
  // automation call, except in Form_Load, which goes on past every failing automation call.
  void Form_Load();
  void Form_KeyDown(int keyCode, int shift);
  void cmdPickDevs_Click();
  void chkAvDevs_Click();
  void cmdInsert_Click();
  void txtTextHgt_Change();

  // Runs a handler for the window: a failure, an automation failure or any other standard
  // exception, is reported in a message (see failureMessage) and a dialog the handler had
  // hidden is shown again. The program goes on.
  void runReported(const std::function<void()>& handler);

  // Key code of F1, the one key the dialog acts on.
  static constexpr int kF1 = 112;

 private:
  struct ControlState {
    std::string text;
    int value = 0;
    bool visible = true;
  };

  ControlState& state(ControlId id);
  const ControlState& state(ControlId id) const;
  void changed(ControlId id);

  void CreateArrowBlock();
  void loadTextHeight();

  FormServices services_;
  std::array<ControlState, insert::kControlCount> controls_;  // in the order of ControlId
  insert::DialogVariables vars_;
  bool shown_ = false;
  FormObserver* observer_ = nullptr;
};

}  // namespace form
