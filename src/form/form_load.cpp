// Start-up of the main dialog: attach to (or start) the CAD program, keep the connection
// objects, and prepare the drawing and the dialog.
#include "cad/prog_ids.h"
#include "form/continue_on_failure.h"
#include "form/frm_kestova.h"
#include "insert/arrow_block.h"
#include "numbers/number_format.h"

namespace form {
namespace {

// The text style every label takes, with its font.
constexpr const char* kLabelStyleName = "mono25";
constexpr const char* kLabelFontFile = "monotxt.shx";

// A call through an empty reference fails the way the automation interface does.
template <class T>
const cad::Ref<T>& required(const cad::Ref<T>& ref) {
  if (!ref) throw cad::objectNotSetError();
  return ref;
}

}  // namespace

void frmKestova::Form_Load() {
  ContinueOnFailure steps;
  cad::Launcher& launcher = *services_.launcher;

  // 1. The first release in the list that is running wins; success shows only as no error.
  steps.run([&] { vars_.acadApp = launcher.Attach(cad::kProgIds[0]); });
  for (std::size_t i = 1; i < cad::kProgIds.size() && steps.lastError(); ++i) {
    steps.clear();
    steps.run([&] { vars_.acadApp = launcher.Attach(cad::kProgIds[i]); });
  }

  // 2. Nothing running: start one if the user agrees.
  if (steps.lastError()) {
    steps.clear();
    if (services_.messages->AskYesNo("AutoCad not running. Attempt start?")) {
      steps.run([&] { vars_.acadApp = launcher.Create(cad::kStartProgId); });
      steps.run([&] { vars_.acadDoc = vars_.acadApp->ActiveDocument(); });
      steps.run([&] { vars_.moSpace = vars_.acadDoc->ModelSpace(); });
    }
    if (steps.lastError()) {
      services_.messages->Inform(steps.lastError()->description());
      return;
    }
    steps.run([&] { vars_.acadApp->Visible(true); });
  }

  // 3 to 6. The connection objects; the drawing is the one active now, for good.
  steps.run([&] { vars_.acadDoc = vars_.acadApp->ActiveDocument(); });
  steps.run([&] { vars_.moSpace = vars_.acadDoc->ModelSpace(); });
  steps.run([&] { vars_.utilObj = vars_.acadDoc->Utility(); });
  steps.run([&] { vars_.acadApp->Visible(true); });

  // 7. The number format follows the drawing's length precision.
  std::optional<long> precision;
  steps.run([&] {
    const cad::Variable luprec = vars_.acadDoc->GetVariable("LUPREC");
    if (const auto* whole = std::get_if<std::int32_t>(&luprec)) precision = *whole;
  });
  vars_.DP = numbers::numberFormatFor(precision);

  // 8. The stored text height.
  loadTextHeight();

  // 9. Labels take the active text style, so it is set on every start.
  cad::Ref<cad::TextStyle> style;
  steps.run([&] { style = vars_.acadDoc->TextStyles()->Add(kLabelStyleName); });
  steps.run([&] { style->fontFile(kLabelFontFile); });
  steps.run([&] { vars_.acadDoc->ActiveTextStyle(required(style)); });

  // 10. The arrow block, unless the drawing has one. A block list or a name that cannot be read
  // counts as a match, so nothing is defined into a drawing that cannot be looked at.
  bool present = false;
  const bool searched = steps.run([&] {
    for (const cad::Ref<cad::BlockDefinition>& block : vars_.acadDoc->Blocks()->Enumerate()) {
      if (insert::isArrowBlockName(block->Name())) {
        present = true;
        break;
      }
    }
  });
  if (searched && !present) steps.run([&] { CreateArrowBlock(); });
}

// The arrow every deviation insert shows.
void frmKestova::CreateArrowBlock() {
  const cad::Point3 basePoint(0, 0, 0);
  vars_.acadDoc->Blocks()
      ->Add(basePoint, insert::kArrowBlockName)
      ->Add3DPoly(insert::arrowBlockVertices());
}

}  // namespace form
