#include "host/view/history_text.h"

#include <QScrollBar>

namespace host::view {

HistoryText::HistoryText(int visibleLines, QWidget* parent)
    : QPlainTextEdit(parent), visibleLines_(visibleLines) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setMaximumBlockCount(kMaximumLines);
  setMinimumHeight(heightFor(1));
}

void HistoryText::appendLine(const QString& line) {
  QScrollBar* bar = verticalScrollBar();
  const bool following = bar->value() == bar->maximum();
  appendPlainText(line);
  if (following) bar->setValue(bar->maximum());
}

QSize HistoryText::sizeHint() const {
  return {QPlainTextEdit::sizeHint().width(), heightFor(visibleLines_)};
}

int HistoryText::heightFor(int lines) const {
  const int documentMargins = 2 * static_cast<int>(document()->documentMargin());
  return fontMetrics().lineSpacing() * lines + documentMargins + 2 * frameWidth();
}

}  // namespace host::view
