#include "help/frm_screen_print.h"

#include <QEvent>
#include <QFont>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>

#include "form/twips.h"

namespace help {
namespace {

// Design geometry in twips. The client area's top-left corner sits at a fixed place on the
// screen, and the text box is slightly wider than the client area, so the client clips it.
constexpr int kClientLeft = 435;
constexpr int kClientTop = 720;
constexpr int kClientWidth = 8175;
constexpr int kClientHeight = 7620;
constexpr int kText1Width = 8200;
constexpr int kText1Height = 7575;

constexpr auto kDesignCaption = "Kestova for AutoCAD Notes";

// A fixed dialog border: caption, system menu and close box; no minimise or maximise button.
constexpr Qt::WindowFlags kWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

QFont notesFont() {
  QFont font(QStringLiteral("Monospac821 BT"));
  font.setPointSizeF(8.25);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  // The face is rarely installed; the hints steer the substitution to a monospace face.
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  return font;
}

}  // namespace

frmScreenPrint::frmScreenPrint()
    : QDialog(nullptr, kWindowFlags), text1_(new QPlainTextEdit(this)) {
  setWindowTitle(QString::fromLatin1(kDesignCaption));
  setSizeGripEnabled(false);
  setGeometry(horizontalPixels(kClientLeft), verticalPixels(kClientTop),
              horizontalPixels(kClientWidth), verticalPixels(kClientHeight));
  setFixedSize(size());

  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setGeometry(0, 0, horizontalPixels(kText1Width), verticalPixels(kText1Height));
  text1_->setFont(notesFont());
  text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text1_->setReadOnly(false);
  text1_->setFocus();
}

void frmScreenPrint::setOuterHeight(int twips) {
  outerHeightPixels_ = verticalPixels(twips);
  fitOuterHeight();
}

void frmScreenPrint::fitOuterHeight() {
  if (!outerHeightPixels_) return;
  // Before the window is framed its frame geometry equals its client geometry.
  const int frameHeight = frameGeometry().height() - geometry().height();
  const int clientHeight = *outerHeightPixels_ - frameHeight;
  if (clientHeight != height()) setFixedHeight(clientHeight);
}

bool frmScreenPrint::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::WindowActivate:
      fitOuterHeight();
      break;
    default:
      break;
  }
  return handled;
}

void frmScreenPrint::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void frmScreenPrint::setText1Height(int twips) {
  text1_->resize(text1_->width(), verticalPixels(twips));
}

int frmScreenPrint::horizontalPixels(int twips) const {
  return form::twipsToPixels(twips, screen()->logicalDotsPerInchX());
}

int frmScreenPrint::verticalPixels(int twips) const {
  return form::twipsToPixels(twips, screen()->logicalDotsPerInchY());
}

}  // namespace help
