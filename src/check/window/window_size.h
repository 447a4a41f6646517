#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace check {

// Gives `window` the size it had when the user last closed it (under `name` in the user's
// settings), else `preferred`; either way no larger than the screen's free area, so that it
// fits a small screen. Its size is stored again each time it closes.
void rememberSize(QWidget& window, const QString& name, QSize preferred);

}  // namespace check
