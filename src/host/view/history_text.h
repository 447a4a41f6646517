#pragma once

#include <QPlainTextEdit>

namespace host::view {

// The command history as text: read-only but selectable with mouse and keyboard, so that lines
// can be copied. It follows new lines while the user is at the bottom; once the user has
// scrolled back it stays there until the user scrolls to the bottom again.
class HistoryText : public QPlainTextEdit {
  Q_OBJECT

 public:
  // The oldest lines go once there are more, so a long session keeps its memory in bounds.
  static constexpr int kMaximumLines = 500;

  explicit HistoryText(int visibleLines, QWidget* parent = nullptr);

  void appendLine(const QString& line);
  QSize sizeHint() const override;

 private:
  // The height that shows `lines` lines of text in full.
  int heightFor(int lines) const;

  int visibleLines_;
};

}  // namespace host::view
