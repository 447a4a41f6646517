#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "insert/control_ids.h"

// The main dialog as designed: its window and every control with its place, caption and
// start state. Positions and sizes are in twips (1/1440 inch); a control inside a frame is
// placed relative to the frame's top-left corner.
namespace form {

using insert::ControlId;

enum class ControlKind { Frame, TextBox, CheckBox, OptionButton, CommandButton };

struct ControlDefinition {
  ControlId id;
  ControlKind kind;
  std::optional<ControlId> container;  // its frame, or none for the dialog itself
  std::string_view caption;            // a text box's start text
  bool visible;
  int value;  // start value: a check box 0 or 1, an option button 1 when selected
  int left, top, width, height;

  constexpr std::string_view name() const { return insert::nameOf(id); }
};

struct FormDefinition {
  std::string_view caption;
  int clientWidth, clientHeight;
};

const FormDefinition& formDefinition();

// Every control, in the order of its tab index (0 first), which is the order of ControlId.
std::span<const ControlDefinition> controlDefinitions();
const ControlDefinition& definitionOf(ControlId id);

}  // namespace form
