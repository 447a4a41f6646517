#pragma once

#include <optional>
#include <string>
#include <variant>

#include "host/view-core/point_entry.h"
#include "host/view-core/view_projection.h"

// The commands a user can type at the host's command line, as parsed values.
namespace host::view::command {

struct New {
  friend bool operator==(const New&, const New&) = default;
};
struct Open {
  std::string path;
  friend bool operator==(const Open&, const Open&) = default;
};
struct Save {
  friend bool operator==(const Save&, const Save&) = default;
};
struct SaveAs {
  std::string path;     // empty: the user is asked where
  std::string release;  // "R2013"; empty for the drawing's own
  friend bool operator==(const SaveAs&, const SaveAs&) = default;
};
struct Close {
  friend bool operator==(const Close&, const Close&) = default;
};
struct Quit {
  friend bool operator==(const Quit&, const Quit&) = default;
};
struct Undo {
  friend bool operator==(const Undo&, const Undo&) = default;
};
struct Redo {
  friend bool operator==(const Redo&, const Redo&) = default;
};
// LUPREC: decimals shown for lengths, 0 to 8.
struct SetPrecision {
  int decimals = 0;
  friend bool operator==(const SetPrecision&, const SetPrecision&) = default;
};
// ELEVATION: the height in the current UCS that a click in empty space is given; without a
// value, says what it is.
struct SetElevation {
  std::optional<double> height;
  friend bool operator==(const SetElevation&, const SetElevation&) = default;
};
struct UcsWorld {
  friend bool operator==(const UcsWorld&, const UcsWorld&) = default;
};
struct UcsOrigin {
  PointEntry origin;
  friend bool operator==(const UcsOrigin&, const UcsOrigin&) = default;
};
enum class Axis { X, Y, Z };
struct UcsRotate {
  Axis axis = Axis::Z;
  double degrees = 0.0;
  friend bool operator==(const UcsRotate&, const UcsRotate&) = default;
};
struct UcsThreePoint {
  PointEntry origin;
  PointEntry xPoint;
  PointEntry yPoint;
  friend bool operator==(const UcsThreePoint&, const UcsThreePoint&) = default;
};
struct UcsSave {
  std::string name;
  friend bool operator==(const UcsSave&, const UcsSave&) = default;
};
struct UcsRestore {
  std::string name;
  friend bool operator==(const UcsRestore&, const UcsRestore&) = default;
};
struct UcsDelete {
  std::string name;
  friend bool operator==(const UcsDelete&, const UcsDelete&) = default;
};
// POINT; without a position the user is asked for it.
struct AddPoint {
  std::optional<PointEntry> at;
  friend bool operator==(const AddPoint&, const AddPoint&) = default;
};
struct AddLine {
  PointEntry from;
  PointEntry to;
  friend bool operator==(const AddLine&, const AddLine&) = default;
};
// LINE without points: the user gives a start and then one next point after another, each
// with a rubber band from the one before, until Enter or Esc.
struct DrawLines {
  friend bool operator==(const DrawLines&, const DrawLines&) = default;
};
// PLAN looks down the Z axis of the current UCS.
struct PlanView {
  friend bool operator==(const PlanView&, const PlanView&) = default;
};
struct SetView {
  std::variant<StandardView, PlanView> view;
  friend bool operator==(const SetView&, const SetView&) = default;
};
struct Zoom {
  enum class Kind { Extents, Window, Previous };
  Kind kind = Kind::Extents;
  // The window's corners; asked for when not typed.
  std::optional<PointEntry> corner;
  std::optional<PointEntry> oppositeCorner;
  friend bool operator==(const Zoom&, const Zoom&) = default;
};
// LAYER shows the Layers panel.
struct ShowLayers {
  friend bool operator==(const ShowLayers&, const ShowLayers&) = default;
};

// LWT shows lines as heavy as their lineweights say, or one pixel wide; without ON or OFF it
// switches between the two.
struct ShowLineWeights {
  std::optional<bool> shown;  // none: the other way round
  friend bool operator==(const ShowLineWeights&, const ShowLineWeights&) = default;
};

// ID tells a point's coordinates in the current UCS and in world; asked for when not typed.
struct Identify {
  std::optional<PointEntry> at;
  friend bool operator==(const Identify&, const Identify&) = default;
};
// DIST measures between two points, typed or asked for.
struct Measure {
  std::optional<PointEntry> from;
  std::optional<PointEntry> to;
  friend bool operator==(const Measure&, const Measure&) = default;
};
// LIST tells what a picked entity is.
struct ListEntity {
  friend bool operator==(const ListEntity&, const ListEntity&) = default;
};
// STATION tells the chainage and offset of points against a picked polyline; the start
// chainage is asked for when not typed.
struct Station {
  std::optional<double> startChainage;
  friend bool operator==(const Station&, const Station&) = default;
};
// ERASE removes the entity picked, or those inside a window, as one step.
struct Erase {
  friend bool operator==(const Erase&, const Erase&) = default;
};
// UNITS tells the drawing's units, how lengths are written and their decimals; what is given
// is changed ($INSUNITS, $LUNITS, $LUPREC).
struct Units {
  std::optional<int> insertionUnits;
  std::optional<int> lengthFormat;
  std::optional<int> decimals;
  friend bool operator==(const Units&, const Units&) = default;
};
// PLOT writes a PDF of the drawing on one sheet.
struct Plot {
  enum class Area { View, Extents };
  std::string path;
  Area area = Area::Extents;
  int sheet = 4;  // A0 to A4
  bool landscape = true;
  std::optional<double> scale;  // the N of 1:N; none fits the area to the sheet
  friend bool operator==(const Plot&, const Plot&) = default;
};

}  // namespace host::view::command

namespace host::view {

using Command =
    std::variant<command::New, command::Open, command::Save, command::SaveAs, command::Close,
                 command::Quit, command::Undo, command::Redo, command::SetPrecision,
                 command::SetElevation, command::UcsWorld, command::UcsOrigin, command::UcsRotate,
                 command::UcsThreePoint, command::UcsSave, command::UcsRestore, command::UcsDelete,
                 command::AddPoint, command::AddLine, command::DrawLines, command::SetView,
                 command::Zoom, command::ShowLayers, command::ShowLineWeights, command::Identify,
                 command::Measure, command::ListEntity, command::Station, command::Erase,
                 command::Units, command::Plot>;

}  // namespace host::view
