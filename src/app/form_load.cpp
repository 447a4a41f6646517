// Start-up of the main dialog: attach to (or start) the CAD program, keep the connection
// objects, and prepare the drawing and the dialog.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "app/continue_on_failure.h"
#include "app/frm_kestova.h"
#include "form/number_format.h"

namespace app {
namespace {

constexpr std::array<const char*, 6> kAttachProgIds{
    "AutoCAD.Application.15", "AutoCAD.Application.16", "AutoCAD.Application.17",
    "AutoCAD.Application.18", "AutoCAD.Application.19", "AutoCAD.Application.20"};
constexpr const char* kStartProgId = "AutoCAD.Application.16";

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

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
  steps.run([&] { vars_.acadApp = launcher.Attach(kAttachProgIds[0]); });
  for (std::size_t i = 1; i < kAttachProgIds.size() && steps.lastError(); ++i) {
    steps.clear();
    steps.run([&] { vars_.acadApp = launcher.Attach(kAttachProgIds[i]); });
  }

  // 2. Nothing running: start one if the user agrees.
  if (steps.lastError()) {
    steps.clear();
    if (services_.messages->AskYesNo("AutoCad not running. Attempt start?")) {
      steps.run([&] { vars_.acadApp = launcher.Create(kStartProgId); });
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
  vars_.DP = numberFormatFor(precision);

  // 8. The stored text height.
  loadTextHeight();

  // 9. Labels take the active text style, so it is set on every start.
  cad::Ref<cad::TextStyle> style;
  steps.run([&] { style = vars_.acadDoc->TextStyles()->Add("mono25"); });
  steps.run([&] { style->fontFile("monotxt.shx"); });
  steps.run([&] { vars_.acadDoc->ActiveTextStyle(required(style)); });

  // 10. The arrow block, unless the drawing has one. A block list or a name that cannot be read
  // counts as a match, so nothing is defined into a drawing that cannot be looked at.
  bool present = false;
  const bool searched = steps.run([&] {
    for (const cad::Ref<cad::BlockDefinition>& block : vars_.acadDoc->Blocks()->Enumerate()) {
      if (upperCase(block->Name()) == "ARROWX1") {
        present = true;
        break;
      }
    }
  });
  if (searched && !present) steps.run([&] { CreateArrowBlock(); });
}

// The arrow every deviation insert shows: one 3D polyline along +X from the base point, with a
// head of two crossed triangles, then back to the base point. Of the 15 vertices only the first
// 8 are given; the rest stay at the origin.
void frmKestova::CreateArrowBlock() {
  const cad::Point3 basePoint(0, 0, 0);
  std::vector<double> vertices(45, 0.0);
  const cad::Ref<cad::BlockDefinition> block = vars_.acadDoc->Blocks()->Add(basePoint, "ArrowX1");
  constexpr std::array<double, 24> kHead{0, 0, 0, 3,    0, 0,   1.75, 0.5, 0,    1.75, -0.5, 0,  //
                                         3, 0, 0, 1.75, 0, 0.5, 1.75, 0,   -0.5, 3,    0,    0};
  std::copy(kHead.begin(), kHead.end(), vertices.begin());
  block->Add3DPoly(vertices);
}

}  // namespace app
