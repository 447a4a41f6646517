#include "check/window/drawing_target.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace check {

DrawingTarget::DrawingTarget(QWidget* parent)
    : QWidget(parent),
      label_(new QLabel(this)),
      keepEarlier_(new QCheckBox("Keep earlier checks' vectors", this)) {
  label_->setObjectName("drawingTarget");
  keepEarlier_->setObjectName("keepEarlier");
  keepEarlier_->setToolTip(
      "Unticked, drawing again replaces what earlier checks drew into the drawing (their "
      "entities on the DEV- layers), in the same undo step");
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label_, 1);
  layout->addWidget(keepEarlier_);
  if (parent != nullptr) parent->installEventFilter(this);
  hide();  // until there is a drawing to name
}

void DrawingTarget::setDrawing(DrawingName name) {
  name_ = std::move(name);
  show();
  refresh();
}

bool DrawingTarget::keepEarlier() const {
  return keepEarlier_->isChecked();
}

void DrawingTarget::refresh() {
  if (!name_) return;
  const std::optional<QString> name = name_();
  const bool wasOpen = open_;
  open_ = name.has_value();
  if (!open_) {
    label_->setText("The drawing has been closed");
    label_->setToolTip(
        "The vectors go only into the drawing the check was opened from; open the check again "
        "from the drawing to draw into");
  } else {
    label_->setText("Draws into: " + *name);
    label_->setToolTip("The drawing the check was opened from, whichever drawing is active");
  }
  keepEarlier_->setEnabled(open_);
  if (open_ != wasOpen) emit openChanged();
}

bool DrawingTarget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate) refresh();
  return QWidget::eventFilter(watched, event);
}

}  // namespace check
