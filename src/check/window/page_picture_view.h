#pragma once

#include <QImage>
#include <QScrollArea>

#include "check/window/shot_check.h"

class QLabel;

namespace check {

// A check's picture page (the surface's coloured plan, the alignment's long section) as the
// report draws it, fitted to the view's width and scrolled up and down.
class PagePictureView : public QScrollArea {
  Q_OBJECT

 public:
  explicit PagePictureView(QWidget* parent);

  // Draws the picture of `shots` once, at a resolution that reads well on screen.
  void showPicture(const ShotCheck& shots);
  const QImage& picture() const { return picture_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitToWidth();

  QImage picture_;
  QLabel* label_;
};

}  // namespace check
