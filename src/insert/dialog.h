#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cad/automation.h"

namespace insert {

// The main dialog as its commands see it: controls reached by the names of the table of
// control ids (an unknown name is refused with std::logic_error), and the whole dialog hidden
// while the user picks points in the drawing and shown again afterwards.
class DialogControls {
 public:
  virtual ~DialogControls() = default;
  // Text of a text box.
  virtual std::string Text(std::string_view control) const = 0;
  // Value of a check box: 0 not ticked, 1 ticked.
  virtual int CheckValue(std::string_view control) const = 0;
  // Value of an option button: whether it is the selected one of its group.
  virtual bool OptionValue(std::string_view control) const = 0;
  virtual void Hide() = 0;
  // Shows the dialog again, not modal.
  virtual void Show() = 0;
};

// The main dialog's own variables, in their order of declaration, shared by its handlers.
struct DialogVariables {
  std::string DP;                       // number format of displayed values
  std::optional<cad::Point3> PickPnt1;  // last picked design point; scratch for Insert
  std::optional<cad::Point3> PickPnt2;  // last picked survey point; scratch for Insert
  // The connection objects, set once at start-up.
  cad::Ref<cad::Utility> utilObj;      // point requests and coordinate translation
  cad::Ref<cad::Application> acadApp;  // the CAD program
  cad::Ref<cad::Document> acadDoc;     // the drawing, the one active at start-up
  cad::Ref<cad::ModelSpace> moSpace;   // its model space
  std::int16_t X1 = 0;                 // picks since the Average box was last clicked
};

}  // namespace insert
