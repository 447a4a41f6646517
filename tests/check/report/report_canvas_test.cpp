// The report's page drawn on an image for the screen: the same room for text as on paper, one
// page, and its caption in place of the running head.
#include "check/report/report_canvas.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "check/report/report_document.h"

namespace check::report {
namespace {

TEST(ReportCanvas, TextTakesTheSameRoomOnAnImageOfAnyWidthAsOnPaper) {
  ReportDocument document("Canvas");
  ReportCanvas paper(document.writer(), 1, "Head");
  paper.painter().setFont(ReportCanvas::font(10, true));
  const QSizeF onPaper = paper.textSize("Long section of the differences");
  paper.finish();
  for (const int width : {620, 1240, 2480}) {
    QImage image(width, width * 297 / 210, QImage::Format_RGB32);
    ReportCanvas screen(image, "Plan");
    screen.painter().setFont(ReportCanvas::font(10, true));
    const QSizeF onScreen = screen.textSize("Long section of the differences");
    EXPECT_NEAR(onScreen.width(), onPaper.width(), onPaper.width() * 0.05) << width;
    EXPECT_NEAR(onScreen.height(), onPaper.height(), onPaper.height() * 0.1) << width;
    EXPECT_NEAR(screen.units(ReportCanvas::kPageWidth), width, 1e-9);
  }
}

TEST(ReportCanvas, AnImageIsOneWhitePageHeadedByItsCaption) {
  QImage image(420, 594, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    ReportCanvas canvas(image, "Plan");
    EXPECT_THROW(canvas.nextPage(), std::logic_error);
    canvas.finish();
  }
  const auto darkIn = [&](double topMm, double bottomMm) {
    int dark = 0;
    for (int y = static_cast<int>(topMm * 2); y < static_cast<int>(bottomMm * 2); ++y) {
      for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    }
    return dark;
  };
  EXPECT_GT(darkIn(10, 16), 0) << "the caption";
  EXPECT_EQ(darkIn(30, 297), 0) << "white, without a page number";
}

}  // namespace
}  // namespace check::report
