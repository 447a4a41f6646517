#pragma once

#include <QDialog>

#include "host/view/command_line.h"
#include "host/view/history_text.h"

namespace host::view {

// The command history in a window of its own, taller than the command line's, to read back a
// long session or copy from it. It shows what the command line's history holds and keeps up
// with it while open; it does not block the drawing window. Esc, F2 or the close box close it.
class HistoryWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "Command history";

  explicit HistoryWindow(CommandLine* commandLine, QWidget* parent = nullptr);

  // Shows the window when it is hidden and hides it when it shows.
  void toggle();
  HistoryText* text() const { return text_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  CommandLine* commandLine_;
  HistoryText* text_;
};

}  // namespace host::view
