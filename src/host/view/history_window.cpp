#include "host/view/history_window.h"

#include <QAction>
#include <QScrollBar>
#include <QVBoxLayout>

namespace host::view {
namespace {

constexpr int kVisibleLines = 30;
constexpr int kWidthInCharacters = 90;

}  // namespace

HistoryWindow::HistoryWindow(CommandLine* commandLine, QWidget* parent)
    : QDialog(parent), commandLine_(commandLine), text_(new HistoryText(kVisibleLines, this)) {
  setWindowTitle(kTitle);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(text_);
  resize(text_->fontMetrics().averageCharWidth() * kWidthInCharacters, text_->sizeHint().height());

  // F2 closes the window again while it is the one in front.
  auto* again = new QAction(this);
  again->setShortcut(Qt::Key_F2);
  connect(again, &QAction::triggered, this, &QDialog::close);
  addAction(again);

  // Lines that come while the window is hidden are picked up when it shows again.
  connect(commandLine_, &CommandLine::historyAppended, this, [this](const QString& line) {
    if (isVisible()) text_->appendLine(line);
  });
}

void HistoryWindow::toggle() {
  if (isVisible()) {
    close();
  } else {
    show();
    raise();
    activateWindow();
  }
}

void HistoryWindow::showEvent(QShowEvent* event) {
  text_->setPlainText(commandLine_->history());
  text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
  QDialog::showEvent(event);
}

}  // namespace host::view
