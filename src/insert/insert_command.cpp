#include "insert/insert_command.h"

#include "cad/numeric_text.h"
#include "insert/arrow_deviation.h"
#include "insert/insert_run.h"
#include "insert/ucs_frame.h"
#include "insert/z_deviation.h"

namespace insert {
namespace {

// One point for all axes. PickPnt1 ends up holding it in UCS coordinates, PickPnt2 the world
// point one unit along the UCS X axis from it, the second point of the Z arrow's turn axis.
void pickGroupedInsertPoint(InsertRun& run) {
  DialogVariables& vars = run.vars;
  vars.PickPnt1 = vars.utilObj->GetPoint(std::nullopt, "Insert Point ");
  run.insPntWorld = *vars.PickPnt1;
  vars.PickPnt1 = vars.utilObj->TranslateCoordinates(*vars.PickPnt1, cad::kWorld, cad::kUcs, 0);
  vars.PickPnt2 = *vars.PickPnt1 + cad::Point3::UnitX();
  vars.PickPnt2 = vars.utilObj->TranslateCoordinates(*vars.PickPnt2, cad::kUcs, cad::kWorld, 0);
  run.basePnt = *vars.PickPnt1;
  run.leaderStart = *vars.PickPnt1;
}

// A line from the Grouped insert point to a point the user picks.
void drawLeader(InsertRun& run) {
  DialogVariables& vars = run.vars;
  vars.PickPnt1 = vars.utilObj->GetPoint(std::nullopt, "Leader to Point ");
  vars.PickPnt1 = vars.utilObj->TranslateCoordinates(*vars.PickPnt1, cad::kWorld, cad::kUcs, 0);
  const cad::Point3 leaderEnd = *vars.PickPnt1;
  if (!run.leaderStart) throw cad::objectNotSetError();
  place(run, *vars.moSpace->AddLine(*run.leaderStart, leaderEnd));
}

bool ticked(const DialogControls& form, std::string_view checkBox) {
  return form.CheckValue(checkBox) == 1;
}

// A UCS the CAD program keeps only while it is current is removed once it has served.
bool isTemporaryUcs(const std::string& name) {
  return name.compare(0, 7, "_Active") == 0;
}

}  // namespace

void cmdInsert_Click(DialogControls& form, DialogVariables& vars) {
  InsertRun run(form, vars);
  run.textHgt = cad::numericValue(form.Text("txtTextHgt"));
  run.frame = establishFrame(*vars.acadDoc);

  form.Hide();
  if (form.OptionValue("optInGrouped")) pickGroupedInsertPoint(run);
  if (ticked(form, "chkXdev")) drawXDeviation(run);
  if (ticked(form, "chkYdev")) drawYDeviation(run);
  if (ticked(form, "chkZdev")) {
    if (form.OptionValue("optZBubble")) {
      drawZBubble(run);
    } else {
      drawZArrow(run);
    }
  }
  if (form.OptionValue("optInGrouped")) drawLeader(run);
  if (isTemporaryUcs(run.frame.ucsName)) run.frame.ucsObj->Delete();
  form.Show();
}

}  // namespace insert
