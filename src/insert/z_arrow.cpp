#include "insert/arrow_deviation.h"
#include "insert/deviation_text.h"
#include "insert/z_deviation.h"

#include "cad/numeric_text.h"

namespace insert {
namespace {

// The Z arrow's own point in Separately mode: the insert point in world coordinates, and the
// second point of its turn axis, one unit along the UCS X axis, kept in PickPnt2. Returns the
// insert point in UCS coordinates.
cad::Point3 pickZPoint(InsertRun& run) {
  DialogVariables& vars = run.vars;
  vars.PickPnt1 = vars.utilObj->GetPoint(std::nullopt, "Z Dev Insert Point ");
  run.insPntWorld = *vars.PickPnt1;
  vars.PickPnt1 = vars.utilObj->TranslateCoordinates(*vars.PickPnt1, cad::kWorld, cad::kUcs, 0);
  vars.PickPnt2 = *vars.PickPnt1 + cad::Point3::UnitX();
  vars.PickPnt2 = vars.utilObj->TranslateCoordinates(*vars.PickPnt2, cad::kUcs, cad::kWorld, 0);
  return *vars.PickPnt1;
}

}  // namespace

void drawZArrow(InsertRun& run) {
  run.zDevText = readDeviationText(run.form, Axis::Z);
  const double value = cad::numericValue(run.zDevText);
  const cad::Point3 basePnt = picksSeparately(run) ? pickZPoint(run) : groupedBasePoint(run);
  const ArrowLayout layout =
      layoutArrow(ArrowDirection::AlongY, run.zDevText, value, basePnt, run.textHgt);
  if (!run.insPntWorld || !run.vars.PickPnt2) throw cad::objectNotSetError();
  const Turn standUp{*run.insPntWorld, *run.vars.PickPnt2, run.quarterTurn};
  drawArrowLayout(run, basePnt, layout, standUp);
}

}  // namespace insert
