#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include "host/view/history_text.h"

namespace host::view {

// The entry of the command line. Ctrl+Z and Ctrl+Y are left to the window (they undo the
// drawing, not the typing); Esc is reported rather than handled. Up and Down recall the entries
// confirmed earlier, as in a shell, and Space in an empty entry confirms it as Enter does.
class CommandInput : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;

  // Files a confirmed entry for recall; empty entries and repeats of the last one are not.
  void remember(const QString& entry);

 signals:
  void escapePressed();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Steps through the remembered entries: -1 towards older ones, +1 towards newer ones, and
  // past the newest to an empty entry.
  void recall(int step);

  QStringList remembered_;
  // Which remembered entry is shown; remembered_.size() when none is.
  qsizetype recalled_ = 0;
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
  HistoryText* historyText() const { return history_; }
  CommandInput* input() const { return input_; }

 signals:
  // The entry as the user confirmed it with Enter; the entry is cleared.
  void submitted(const QString& text);
  void escapePressed();
  void historyAppended(const QString& line);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  HistoryText* history_;
  QLabel* prompt_;
  CommandInput* input_;
};

}  // namespace host::view
