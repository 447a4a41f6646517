#include "insert/insert_run.h"

#include "cad/arithmetic.h"

namespace insert {

bool picksSeparately(const InsertRun& run) {
  return run.form.OptionValue("optInSeperatly");
}

cad::Point3 pickUcsPoint(InsertRun& run, const std::string& prompt) {
  DialogVariables& vars = run.vars;
  vars.PickPnt1 = vars.utilObj->GetPoint(std::nullopt, prompt);
  vars.PickPnt1 = vars.utilObj->TranslateCoordinates(*vars.PickPnt1, cad::kWorld, cad::kUcs, 0);
  return *vars.PickPnt1;
}

cad::Point3 pickInsertPoint(InsertRun& run, const std::string& prompt) {
  DialogVariables& vars = run.vars;
  vars.PickPnt1 = vars.utilObj->GetPoint(std::nullopt, prompt);
  run.insPntWorld = *vars.PickPnt1;
  vars.PickPnt1 = vars.utilObj->TranslateCoordinates(*vars.PickPnt1, cad::kWorld, cad::kUcs, 0);
  vars.PickPnt2 = *vars.PickPnt1 + cad::Point3::UnitX();
  vars.PickPnt2 = vars.utilObj->TranslateCoordinates(*vars.PickPnt2, cad::kUcs, cad::kWorld, 0);
  return *vars.PickPnt1;
}

cad::Point3 groupedBasePoint(const InsertRun& run) {
  // Only when neither placement mode is selected is there no Grouped point; like any other
  // use of a point that was never set, that fails rather than drawing at the origin.
  if (!run.basePnt) throw cad::objectNotSetError();
  return *run.basePnt;
}

void place(const InsertRun& run, cad::Entity& entity) {
  entity.TransformBy(run.frame.ucsMatrix);
}

cad::Point3 checkedPoint(double x, double y, double z) {
  return cad::Point3(cad::checked(x), cad::checked(y), cad::checked(z));
}

}  // namespace insert
