#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace host::view {

// The entry of the command line. Ctrl+Z and Ctrl+Y are left to the window (they undo the
// drawing, not the typing); Esc is reported rather than handled.
class CommandInput : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

 signals:
  void escapePressed();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// The command line at the bottom of the host window: the history of what was typed and said
// above a prompt and its entry.
class CommandLine : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kCommandPrompt = "Command: ";

  explicit CommandLine(QWidget* parent = nullptr);

  void setPrompt(const QString& prompt);
  QString prompt() const;
  void appendHistory(const QString& line);
  QString history() const;
  CommandInput* input() const { return input_; }

 signals:
  // The entry as the user confirmed it with Enter; the entry is cleared.
  void submitted(const QString& text);
  void escapePressed();

 private:
  QPlainTextEdit* history_;
  QLabel* prompt_;
  CommandInput* input_;
};

}  // namespace host::view
