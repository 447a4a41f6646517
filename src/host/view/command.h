#pragma once

#include <string>
#include <variant>

#include "host/view/point_entry.h"
#include "host/view/view_projection.h"

// The commands a user can type at the host's command line, as parsed values.
namespace host::view::command {

struct New {};
struct Open {
  std::string path;
};
struct Save {};
struct SaveAs {
  std::string path;
};
struct Close {};
struct Quit {};
struct Undo {};
struct Redo {};
// LUPREC: decimals shown for lengths, 0 to 8.
struct SetPrecision {
  int decimals = 0;
};
struct UcsWorld {};
struct UcsOrigin {
  PointEntry origin;
};
enum class Axis { X, Y, Z };
struct UcsRotate {
  Axis axis = Axis::Z;
  double degrees = 0.0;
};
struct UcsThreePoint {
  PointEntry origin;
  PointEntry xPoint;
  PointEntry yPoint;
};
struct UcsSave {
  std::string name;
};
struct UcsRestore {
  std::string name;
};
struct UcsDelete {
  std::string name;
};
struct AddPoint {
  PointEntry at;
};
struct AddLine {
  PointEntry from;
  PointEntry to;
};
// PLAN looks down the Z axis of the current UCS.
struct PlanView {};
struct SetView {
  std::variant<StandardView, PlanView> view;
};
struct ZoomExtents {};

}  // namespace host::view::command

namespace host::view {

using Command =
    std::variant<command::New, command::Open, command::Save, command::SaveAs, command::Close,
                 command::Quit, command::Undo, command::Redo, command::SetPrecision,
                 command::UcsWorld, command::UcsOrigin, command::UcsRotate, command::UcsThreePoint,
                 command::UcsSave, command::UcsRestore, command::UcsDelete, command::AddPoint,
                 command::AddLine, command::SetView, command::ZoomExtents>;

}  // namespace host::view
