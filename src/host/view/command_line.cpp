#include "host/view/command_line.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace host::view {
namespace {

constexpr int kHistoryLines = 500;
constexpr int kVisibleHistoryLines = 5;

bool isDrawingHistoryKey(const QKeyEvent* key) {
  return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
         (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Y);
}

}  // namespace

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
  if (event->key() == Qt::Key_Escape) {
    emit escapePressed();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

CommandLine::CommandLine(QWidget* parent)
    : QWidget(parent),
      history_(new QPlainTextEdit(this)),
      prompt_(new QLabel(kCommandPrompt, this)),
      input_(new CommandInput(this)) {
  history_->setReadOnly(true);
  history_->setFocusPolicy(Qt::NoFocus);
  history_->setMaximumBlockCount(kHistoryLines);
  const int lineHeight = history_->fontMetrics().lineSpacing();
  history_->setFixedHeight(lineHeight * kVisibleHistoryLines + 8);

  auto* entry = new QHBoxLayout;
  entry->setContentsMargins(0, 0, 0, 0);
  entry->addWidget(prompt_);
  entry->addWidget(input_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(history_);
  layout->addLayout(entry);

  connect(input_, &QLineEdit::returnPressed, this, [this] {
    const QString text = input_->text();
    input_->clear();
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
  history_->appendPlainText(line);
}

QString CommandLine::history() const {
  return history_->toPlainText();
}

}  // namespace host::view
