#pragma once

#include <optional>
#include <string>

#include "cad/automation.h"
#include "insert/arrow_block.h"
#include "insert/dialog.h"

namespace insert {

// Pi to twelve decimals. Every angle of the command derives from it, so arrows keep exactly
// the rotations they have always been drawn with.
inline constexpr double kPi = 3.141592653589;

// The coordinate system that places every entity of a run.
struct UcsFrame {
  cad::Ref<cad::UCS> ucsObj;
  std::string ucsName;
  cad::Matrix4 ucsMatrix = cad::Matrix4::Identity();
};

// The working values of one run of the Insert command, shared by its steps.
struct InsertRun {
  InsertRun(DialogControls& form, DialogVariables& vars) : form(form), vars(vars) {}

  DialogControls& form;
  DialogVariables& vars;
  std::string blockName = kArrowBlockInsertName;
  double textHgt = 0.0;  // label height and the scale of every arrow
  UcsFrame frame;
  double quarterTurn = kPi / 2;  // turns the Z arrow up from the UCS Y axis
  // The Grouped insert point, in world and in UCS coordinates. Separately mode leaves them
  // empty, each axis picking its own point, except that the Z arrow keeps its own point in
  // insPntWorld as the first point of its turn axis.
  std::optional<cad::Point3> insPntWorld;
  std::optional<cad::Point3> basePnt;
  std::optional<cad::Point3> leaderStart;
  // The deviation texts as read; an axis that was not drawn leaves its text empty.
  std::string xDevText;
  std::string yDevText;
  std::string zDevText;
};

// Whether the axis steps ask for a point of their own.
bool picksSeparately(const InsertRun& run);

// Asks the user for a point and keeps it in PickPnt1, translated into the UCS; the returned
// point is that UCS point.
cad::Point3 pickUcsPoint(InsertRun& run, const std::string& prompt);

// Asks for a point that can also carry a Z arrow: as pickUcsPoint, and besides keeps the
// picked world point as insPntWorld and, in PickPnt2, the world point one unit along the UCS
// X axis from it, the second point of the axis the Z arrow turns about.
cad::Point3 pickInsertPoint(InsertRun& run, const std::string& prompt);

// The Grouped insert point in UCS coordinates, for an axis that does not pick its own.
cad::Point3 groupedBasePoint(const InsertRun& run);

// Moves a newly created entity, built in UCS coordinates, into the UCS.
void place(const InsertRun& run, cad::Entity& entity);

// A computed point; a coordinate beyond the range of a double fails with 6 "Overflow".
cad::Point3 checkedPoint(double x, double y, double z);

}  // namespace insert
