#include "app/frm_kestova.h"

#include <cassert>
#include <stdexcept>
#include <utility>

#include "cad/automation_error.h"
#include "insert/insert_command.h"

namespace app {

frmKestova::frmKestova(FormServices services) : services_(std::move(services)) {
  assert(services_.launcher && services_.messages && services_.settings);
  for (const ControlDefinition& definition : controlDefinitions()) {
    controls_.push_back({&definition,
                         std::string(definition.kind == ControlKind::TextBox ? definition.caption
                                                                             : std::string_view()),
                         definition.value, definition.visible});
  }
}

frmKestova::ControlState& frmKestova::control(std::string_view name) {
  return const_cast<ControlState&>(std::as_const(*this).control(name));
}

const frmKestova::ControlState& frmKestova::control(std::string_view name) const {
  for (const ControlState& state : controls_) {
    if (state.definition->name == name) return state;
  }
  throw std::logic_error("the dialog has no control " + std::string(name));
}

void frmKestova::changed(std::string_view name) {
  if (observer_) observer_->controlChanged(name);
}

std::string frmKestova::Text(std::string_view name) const {
  return control(name).text;
}

void frmKestova::SetText(std::string_view name, const std::string& text) {
  ControlState& state = control(name);
  if (state.text == text) return;
  state.text = text;
  changed(name);
  if (name == "txtTextHgt") txtTextHgt_Change();
}

int frmKestova::CheckValue(std::string_view name) const {
  return control(name).value;
}

void frmKestova::SetCheckValue(std::string_view name, int value) {
  ControlState& state = control(name);
  if (state.value == value) return;
  state.value = value;
  changed(name);
  if (name == "chkAvDevs") chkAvDevs_Click();
}

bool frmKestova::OptionValue(std::string_view name) const {
  return control(name).value != 0;
}

void frmKestova::SelectOption(std::string_view name) {
  ControlState& chosen = control(name);
  for (ControlState& state : controls_) {
    const bool sameGroup = state.definition->kind == ControlKind::OptionButton &&
                           state.definition->container == chosen.definition->container;
    const int value = &state == &chosen ? 1 : 0;
    if (sameGroup && state.value != value) {
      state.value = value;
      changed(state.definition->name);
    }
  }
}

bool frmKestova::Visible(std::string_view name) const {
  return control(name).visible;
}

void frmKestova::SetVisible(std::string_view name, bool visible) {
  ControlState& state = control(name);
  if (state.visible == visible) return;
  state.visible = visible;
  changed(name);
}

void frmKestova::Hide() {
  shown_ = false;
  if (observer_) observer_->shownChanged(false);
}

void frmKestova::Show() {
  shown_ = true;
  if (observer_) observer_->shownChanged(true);
}

// Every key press reaches this handler before the focused control, which still gets the key:
// nothing is consumed, and the shift state does not matter.
void frmKestova::Form_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == kF1 && services_.showHelp) services_.showHelp();
}

void frmKestova::cmdInsert_Click() {
  insert::cmdInsert_Click(*this, vars_);
}

void frmKestova::runReported(const std::function<void()>& handler) {
  const bool wasShown = shown_;
  try {
    handler();
  } catch (const cad::AutomationError& error) {
    services_.messages->Inform("Error " + std::to_string(error.number()) + ": " +
                               error.description());
    if (wasShown && !shown_) Show();
  }
}

}  // namespace app
