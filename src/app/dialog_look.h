#pragma once

#include <QFont>
#include <memory>

class QStyle;

namespace app {

// The look of the main dialog, chosen so that the narrow captions of the design show whole at
// their designed sizes.
QFont dialogFont();
std::unique_ptr<QStyle> dialogStyle();

// Qt's key code as the dialog's key handler knows it (F1 is frmKestova::kF1); keys the handler has
// no code for give 0.
int virtualKeyCode(int qtKey);
// The shift state of the key handler: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

}  // namespace app
