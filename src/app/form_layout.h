#pragma once

#include <span>
#include <string_view>

// The main dialog as designed: its window and every control with its place, caption and
// start state. Positions and sizes are in twips (1/1440 inch); a control inside a frame is
// placed relative to the frame's top-left corner.
namespace app {

enum class ControlKind { Frame, TextBox, CheckBox, OptionButton, CommandButton };

struct ControlDefinition {
  std::string_view name;
  ControlKind kind;
  std::string_view container;  // a frame's name, or empty for the dialog itself
  std::string_view caption;    // a text box's start text
  bool visible;
  int value;  // start value: a check box 0 or 1, an option button 1 when selected
  int left, top, width, height;
};

struct FormDefinition {
  std::string_view caption;
  int clientWidth, clientHeight;
};

const FormDefinition& formDefinition();

// Every control, in the order of its tab index (0 first).
std::span<const ControlDefinition> controlDefinitions();

}  // namespace app
