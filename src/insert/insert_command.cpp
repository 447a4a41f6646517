#include "insert/insert_command.h"

#include <optional>
#include <string>

#include "insert/deviation_text.h"
#include "insert/draw_vectors.h"
#include "insert/number_overflow.h"
#include "insert/ucs_frame.h"
#include "numbers/numeric_text.h"

namespace insert {
namespace {

bool ticked(const DialogControls& form, std::string_view checkBox) {
  return form.CheckValue(checkBox) == 1;
}

// A ticked axis's deviation, from the field the user sees.
std::optional<Deviation> deviationOf(const DialogControls& form, std::string_view checkBox,
                                     Axis axis) {
  if (!ticked(form, checkBox)) return std::nullopt;
  std::string text = readDeviationText(form, axis);
  const double value = numbers::numericValue(text);
  return Deviation{value, std::move(text)};
}

VectorSpec specOf(const DialogControls& form, double textHgt) {
  VectorSpec vectors;
  vectors.x = deviationOf(form, "chkXdev", Axis::X);
  vectors.y = deviationOf(form, "chkYdev", Axis::Y);
  vectors.z = deviationOf(form, "chkZdev", Axis::Z);
  vectors.zStyle = form.OptionValue("optZBubble") ? ZStyle::Bubble : ZStyle::Arrow;
  vectors.grouped = !form.OptionValue("optInSeperatly");
  vectors.textHeight = textHgt;
  return vectors;
}

// The points the user picks, each translated into the UCS and kept in the dialog's scratch
// variables PickPnt1 and PickPnt2, as the dialog has always kept them.
class DialogPicks {
 public:
  explicit DialogPicks(DialogVariables& vars) : vars_(vars) {}

  // A point of the UCS, kept in PickPnt1.
  cad::Point3 ucsPoint(const std::string& prompt) {
    vars_.PickPnt1 = vars_.utilObj->GetPoint(std::nullopt, prompt);
    vars_.PickPnt1 =
        vars_.utilObj->TranslateCoordinates(*vars_.PickPnt1, cad::kWorld, cad::kUcs, 0);
    return *vars_.PickPnt1;
  }

  // A point that can also carry a Z arrow: as ucsPoint, and besides keeps the picked world
  // point and, in PickPnt2, the world point one unit along the UCS X axis from it, the two
  // points of the axis the Z arrow turns about.
  cad::Point3 insertPoint(const std::string& prompt) {
    vars_.PickPnt1 = vars_.utilObj->GetPoint(std::nullopt, prompt);
    insertWorld_ = *vars_.PickPnt1;
    vars_.PickPnt1 =
        vars_.utilObj->TranslateCoordinates(*vars_.PickPnt1, cad::kWorld, cad::kUcs, 0);
    vars_.PickPnt2 = *vars_.PickPnt1 + cad::Point3::UnitX();
    vars_.PickPnt2 =
        vars_.utilObj->TranslateCoordinates(*vars_.PickPnt2, cad::kUcs, cad::kWorld, 0);
    return *vars_.PickPnt1;
  }

  TurnAxis zTurnAxis() const { return {*insertWorld_, *vars_.PickPnt2}; }

 private:
  DialogVariables& vars_;
  std::optional<cad::Point3> insertWorld_;
};

Placement placementOf(DialogPicks& picks, const UcsFrame& frame, const VectorSpec& vectors) {
  Placement placement;
  placement.frame = frame.ucsMatrix;
  placement.basePoint = [&picks] { return picks.insertPoint("Insert Point "); };
  placement.leaderEnd = [&picks] { return picks.ucsPoint("Leader to Point "); };
  placement.xPoint = [&picks] { return picks.ucsPoint("X Dev Insert Point "); };
  placement.yPoint = [&picks] { return picks.ucsPoint("Y Dev Insert Point "); };
  // A bubble lies flat: it needs no turn axis, and its point is asked for as a plain point.
  if (vectors.zStyle == ZStyle::Bubble) {
    placement.zPoint = [&picks] { return picks.ucsPoint("Z Dev Insert Point "); };
  } else {
    placement.zPoint = [&picks] { return picks.insertPoint("Z Dev Insert Point "); };
  }
  placement.zTurnAxis = [&picks] { return picks.zTurnAxis(); };
  return placement;
}

// A UCS the CAD program keeps only while it is current is removed once it has served.
bool isTemporaryUcs(const std::string& name) {
  return name.compare(0, 7, "_Active") == 0;
}

}  // namespace

void cmdInsert_Click(DialogControls& form, DialogVariables& vars) {
  withOverflowAsAutomationError([&] {
    const double textHgt = numbers::numericValue(form.Text("txtTextHgt"));
    const UcsFrame frame = establishFrame(*vars.acadDoc);

    form.Hide();
    const VectorSpec vectors = specOf(form, textHgt);
    // With neither placement selected there is no point to draw at: like any other use of a
    // point that was never set, a ticked axis fails rather than drawing at the origin.
    if (!form.OptionValue("optInGrouped") && vectors.grouped) {
      if (vectors.x || vectors.y || vectors.z) throw cad::objectNotSetError();
    } else {
      DialogPicks picks(vars);
      drawVectors(*vars.moSpace, vectors, placementOf(picks, frame, vectors));
    }
    if (isTemporaryUcs(frame.ucsName)) frame.ucsObj->Delete();
    form.Show();
  });
}

}  // namespace insert
