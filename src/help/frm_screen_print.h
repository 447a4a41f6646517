#pragma once

#include <QDialog>
#include <optional>

class QKeyEvent;
class QPlainTextEdit;

namespace help {

// The help notes window as designed: a fixed-size dialog holding one multi-line text box,
// `Text1`, empty until ShowNotes fills it. Sizes are set in twips and converted by the screen's
// logical DPI.
class frmScreenPrint : public QDialog {
 public:
  frmScreenPrint();

  QPlainTextEdit* Text1() const { return text1_; }

  // Height of the whole window, title bar and border included; the width stays as designed. The
  // frame is known only once the window system has framed the window, so the client height is
  // fitted again whenever the window is shown, moved or activated.
  void setOuterHeight(int twips);
  void setText1Height(int twips);

  int horizontalPixels(int twips) const;
  int verticalPixels(int twips) const;

 protected:
  bool event(QEvent* event) override;
  // The window has no keys of its own: Esc, which would close a dialog, does nothing, so the
  // notes close only with the close box.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fitOuterHeight();

  QPlainTextEdit* text1_;
  std::optional<int> outerHeightPixels_;
};

}  // namespace help
