#include "cad/numeric_text.h"
#include "insert/arrow_deviation.h"
#include "insert/deviation_text.h"
#include "insert/z_deviation.h"

namespace insert {

void drawZArrow(InsertRun& run) {
  run.zDevText = readDeviationText(run.form, Axis::Z);
  const double value = cad::numericValue(run.zDevText);
  const cad::Point3 basePnt =
      picksSeparately(run) ? pickInsertPoint(run, "Z Dev Insert Point ") : groupedBasePoint(run);
  const ArrowLayout layout =
      layoutArrow(ArrowDirection::AlongY, run.zDevText, value, basePnt, run.textHgt);
  // The turn axis runs through the insert point parallel to the UCS X axis; a quarter turn
  // about it takes UCS Y, along which the arrow was laid out, to UCS Z.
  if (!run.insPntWorld || !run.vars.PickPnt2) throw cad::objectNotSetError();
  const Turn standUp{*run.insPntWorld, *run.vars.PickPnt2, run.quarterTurn};
  drawArrowLayout(run, basePnt, layout, standUp);
}

}  // namespace insert
