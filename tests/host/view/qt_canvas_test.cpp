#include <array>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "host/view/qt_canvas.h"

namespace host::view {
namespace {

// How a window's painter may be set up when the drawing is painted: whole, in a band of rows
// (moved up), or in a strip a pan uncovered (clipped).
struct PainterSetUp {
  const char* name;
  std::function<void(QPainter&)> apply;
};

class DotsPaintedTogether : public testing::TestWithParam<PainterSetUp> {};

// Dots are painted together for speed, into the image's pixels where that is what the painter
// would do; they must look as dots painted one by one by the painter do (a point, or the square
// of a heavy line's width), also between lines, across colour and width changes and at the
// image's edges.
TEST_P(DotsPaintedTogether, LookAsDotsPaintedOneByOne) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> coordinate(-3.0, 67.0);
  std::vector<Eigen::Vector2d> at;
  for (int i = 0; i < 3000; ++i) at.emplace_back(coordinate(random), coordinate(random));

  const auto paint = [&](bool together) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(QtCanvas::background());
    QPainter painter(&image);
    GetParam().apply(painter);
    {
      QtCanvas canvas(painter);
      canvas.setInk(Ink::Entity);
      int side = 1;
      for (std::size_t i = 0; i < at.size(); ++i) {
        if (i % 700 == 0) canvas.setColour(static_cast<Rgb>(0x102030 * (i / 700 + 1)));
        if (i % 300 == 0) {
          const double width = std::array{1.0, 2.2, 1.0, 4.0, 3.0}[i / 300 % 5];
          canvas.setLineWidth(width);
          side = dotSide(width);
        }
        if (i % 250 == 0) canvas.polyline({at[i], at[i] + Eigen::Vector2d(20, 5)}, false);
        if (together) {
          canvas.dot(at[i]);
        } else {
          painter.save();
          painter.setRenderHint(QPainter::Antialiasing, false);
          QPen pen = painter.pen();
          pen.setWidthF(1.0);
          painter.setPen(pen);
          if (side == 1) {
            painter.drawPoint(QPointF(at[i].x(), at[i].y()));
          } else {
            const QPoint centre(qRound(at[i].x()), qRound(at[i].y()));
            painter.fillRect(QRect(centre - QPoint(side / 2, side / 2), QSize(side, side)),
                             pen.color());
          }
          painter.restore();
        }
      }
    }
    return image;
  };
  EXPECT_TRUE(paint(true) == paint(false));
}

INSTANTIATE_TEST_SUITE_P(
    QtCanvas, DotsPaintedTogether,
    testing::Values(PainterSetUp{"Whole", [](QPainter&) {}},
                    PainterSetUp{"Band", [](QPainter& p) { p.translate(0.0, -17.0); }},
                    PainterSetUp{"Strip", [](QPainter& p) { p.setClipRect(5, 0, 20, 64); }},
                    PainterSetUp{"Scaled", [](QPainter& p) { p.scale(1.5, 1.5); }}),
    [](const testing::TestParamInfo<PainterSetUp>& info) { return info.param.name; });

}  // namespace
}  // namespace host::view
