#include "host/view/command_line.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace host::view {
namespace {

constexpr int kVisibleHistoryLines = 5;

bool isDrawingHistoryKey(const QKeyEvent* key) {
  return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
         (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Y);
}

// A key that writes into the entry or confirms or cancels it, as opposed to one that moves
// through or copies the history.
bool isEntryKey(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
      return true;
    default:
      return !key->text().isEmpty() && key->text().at(0).isPrint();
  }
}

}  // namespace

void CommandInput::remember(const QString& entry) {
  if (!entry.isEmpty() && (remembered_.isEmpty() || remembered_.last() != entry)) {
    remembered_.append(entry);
  }
  recalled_ = remembered_.size();
}

void CommandInput::recall(int step) {
  const qsizetype next = recalled_ + step;
  if (next < 0 || next > remembered_.size()) return;
  recalled_ = next;
  setText(recalled_ < remembered_.size() ? remembered_[recalled_] : QString());
}

bool CommandInput::event(QEvent* event) {
  // A line edit claims Ctrl+Z for itself; let the window's Undo and Redo have them.
  if (event->type() == QEvent::ShortcutOverride &&
      isDrawingHistoryKey(static_cast<QKeyEvent*>(event))) {
    event->ignore();
    return false;
  }
  return QLineEdit::event(event);
}

void CommandInput::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      emit escapePressed();
      return;
    case Qt::Key_Up:
      recall(-1);
      return;
    case Qt::Key_Down:
      recall(+1);
      return;
    case Qt::Key_Space:
      // Blanks belong in paths and arguments; only an empty entry is confirmed by Space.
      if (text().isEmpty() && (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
        emit returnPressed();
        return;
      }
      break;
    default:
      break;
  }
  QLineEdit::keyPressEvent(event);
}

CommandLine::CommandLine(QWidget* parent)
    : QWidget(parent),
      history_(new HistoryText(kVisibleHistoryLines, this)),
      prompt_(new QLabel(kCommandPrompt, this)),
      input_(new CommandInput(this)) {
  // Clicking the history lets the keyboard select and copy in it; typing goes on in the entry.
  history_->setFocusPolicy(Qt::ClickFocus);

  auto* entry = new QHBoxLayout;
  entry->setContentsMargins(0, 0, 0, 0);
  entry->addWidget(prompt_);
  entry->addWidget(input_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(history_, 1);
  layout->addLayout(entry);

  connect(input_, &QLineEdit::returnPressed, this, [this] {
    const QString text = input_->text();
    input_->clear();
    input_->remember(text);
    appendHistory(prompt_->text() + text);
    emit submitted(text);
  });
  connect(input_, &CommandInput::escapePressed, this, [this] {
    input_->clear();
    emit escapePressed();
  });
}

void CommandLine::setPrompt(const QString& prompt) {
  prompt_->setText(prompt);
}

QString CommandLine::prompt() const {
  return prompt_->text();
}

void CommandLine::appendHistory(const QString& line) {
  history_->appendLine(line);
  emit historyAppended(line);
}

QString CommandLine::history() const {
  return history_->toPlainText();
}

void CommandLine::keyPressEvent(QKeyEvent* event) {
  // The history leaves the keys it has no use for to us.
  if (history_->hasFocus() && isEntryKey(event)) {
    input_->setFocus();
    QCoreApplication::sendEvent(input_, event);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace host::view
