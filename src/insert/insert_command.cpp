#include "insert/insert_command.h"

#include "cad/numeric_text.h"
#include "insert/arrow_deviation.h"
#include "insert/insert_run.h"
#include "insert/ucs_frame.h"
#include "insert/z_deviation.h"

namespace insert {
namespace {

// One point for all axes, and the start of the leader.
void pickGroupedInsertPoint(InsertRun& run) {
  run.basePnt = pickInsertPoint(run, "Insert Point ");
  run.leaderStart = run.basePnt;
}

// A line from the Grouped insert point to a point the user picks.
void drawLeader(InsertRun& run) {
  if (!run.leaderStart) throw cad::objectNotSetError();
  const cad::Point3 leaderEnd = pickUcsPoint(run, "Leader to Point ");
  place(run, *run.vars.moSpace->AddLine(*run.leaderStart, leaderEnd));
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
