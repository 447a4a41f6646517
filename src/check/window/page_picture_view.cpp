#include "check/window/page_picture_view.h"

#include <QLabel>
#include <QPixmap>
#include <cmath>

#include "check/report/report_canvas.h"

namespace check {
namespace {

// 150 dots an inch: the plan's ids and the long section's figures read without zooming.
constexpr int kPictureWidth = 1240;

}  // namespace

PagePictureView::PagePictureView(QWidget* parent) : QScrollArea(parent), label_(new QLabel) {
  label_->setObjectName("pagePicture");
  label_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  setWidget(label_);
  setWidgetResizable(true);
  // The width the picture fits stays the same whether or not the page is taller than the view.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFrameShape(QFrame::NoFrame);
}

void PagePictureView::showPicture(const ShotCheck& shots) {
  using report::ReportCanvas;
  const int height = static_cast<int>(
      std::lround(kPictureWidth * ReportCanvas::kPageHeight / ReportCanvas::kPageWidth));
  picture_ = QImage(kPictureWidth, height, QImage::Format_RGB32);
  {
    ReportCanvas canvas(picture_, shots.pictureCaption());
    shots.drawPicture(canvas);
    canvas.finish();
  }
  fitToWidth();
}

void PagePictureView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  fitToWidth();
}

void PagePictureView::fitToWidth() {
  if (picture_.isNull()) return;
  const int width = viewport()->width();
  if (width <= 0) return;
  label_->setPixmap(QPixmap::fromImage(picture_.scaledToWidth(width, Qt::SmoothTransformation)));
}

}  // namespace check
