#include "app/dialog_look.h"

#include <QStyle>
#include <QStyleFactory>

#include "form/frm_kestova.h"

namespace app {

// The design's captions were laid out for a narrow dialog font: "Separately" has 73 pixels at
// 96 dpi, indicator included. A condensed face at 7 points keeps every caption whole in the
// Fusion style, which looks the same on every desktop.
QFont dialogFont() {
  QFont font("DejaVu Sans Condensed");
  font.setPointSizeF(7);
  return font;
}

std::unique_ptr<QStyle> dialogStyle() {
  return std::unique_ptr<QStyle>(QStyleFactory::create("Fusion"));
}

int virtualKeyCode(int qtKey) {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    return form::frmKestova::kF1 + (qtKey - Qt::Key_F1);
  }
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
    return qtKey;  // letters and digits share their codes
  }
  return 0;
}

int shiftState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace app
