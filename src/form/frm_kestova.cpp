#include "form/frm_kestova.h"

#include <cassert>
#include <exception>
#include <utility>

#include "form/failure_message.h"
#include "insert/insert_command.h"

namespace form {

frmKestova::frmKestova(FormServices services) : services_(std::move(services)) {
  assert(services_.launcher && services_.messages && services_.settings);
  for (const ControlDefinition& definition : controlDefinitions()) {
    ControlState& start = state(definition.id);
    if (definition.kind == ControlKind::TextBox) start.text = definition.caption;
    start.value = definition.value;
    start.visible = definition.visible;
  }
}

frmKestova::ControlState& frmKestova::state(ControlId id) {
  return controls_[insert::indexOf(id)];
}

const frmKestova::ControlState& frmKestova::state(ControlId id) const {
  return controls_[insert::indexOf(id)];
}

void frmKestova::changed(ControlId id) {
  if (observer_) observer_->controlChanged(id);
}

std::string frmKestova::Text(std::string_view name) const {
  return state(insert::controlNamed(name)).text;
}

void frmKestova::SetText(std::string_view name, const std::string& text) {
  const ControlId id = insert::controlNamed(name);
  if (state(id).text == text) return;
  state(id).text = text;
  changed(id);
  if (id == ControlId::txtTextHgt) txtTextHgt_Change();
}

int frmKestova::CheckValue(std::string_view name) const {
  return state(insert::controlNamed(name)).value;
}

void frmKestova::SetCheckValue(std::string_view name, int value) {
  const ControlId id = insert::controlNamed(name);
  if (state(id).value == value) return;
  state(id).value = value;
  changed(id);
  if (id == ControlId::chkAvDevs) chkAvDevs_Click();
}

bool frmKestova::OptionValue(std::string_view name) const {
  return state(insert::controlNamed(name)).value != 0;
}

void frmKestova::SelectOption(std::string_view name) {
  const ControlDefinition& chosen = definitionOf(insert::controlNamed(name));
  for (const ControlDefinition& definition : controlDefinitions()) {
    if (definition.kind != ControlKind::OptionButton || definition.container != chosen.container) {
      continue;
    }
    const int value = definition.id == chosen.id ? 1 : 0;
    if (state(definition.id).value != value) {
      state(definition.id).value = value;
      changed(definition.id);
    }
  }
}

bool frmKestova::Visible(std::string_view name) const {
  return state(insert::controlNamed(name)).visible;
}

void frmKestova::SetVisible(std::string_view name, bool visible) {
  const ControlId id = insert::controlNamed(name);
  if (state(id).visible == visible) return;
  state(id).visible = visible;
  changed(id);
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

// A failure that got this far ends the handler, not the program. Broken invariants are not
// exceptions: they still assert in debug builds.
void frmKestova::runReported(const std::function<void()>& handler) {
  const bool wasShown = shown_;
  try {
    handler();
  } catch (const std::exception& error) {
    services_.messages->Inform(failureMessage(error));
    if (wasShown && !shown_) Show();
  }
}

}  // namespace form
