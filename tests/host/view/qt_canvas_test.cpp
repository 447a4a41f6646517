#include <random>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "host/view/qt_canvas.h"

namespace host::view {
namespace {

// Dots are painted together for speed; they must look as dots painted one by one do, also
// between lines and across colour changes.
TEST(QtCanvas, DotsPaintedTogetherLookAsDotsPaintedOneByOne) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> coordinate(0.0, 60.0);
  std::vector<Eigen::Vector2d> at;
  for (int i = 0; i < 3000; ++i) at.emplace_back(coordinate(random), coordinate(random));

  const auto paint = [&](bool together) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(QtCanvas::background());
    QPainter painter(&image);
    {
      QtCanvas canvas(painter);
      canvas.setInk(Ink::Entity);
      for (std::size_t i = 0; i < at.size(); ++i) {
        if (i % 700 == 0) canvas.setColour(static_cast<Rgb>(0x102030 * (i / 700 + 1)));
        if (i % 250 == 0) canvas.polyline({at[i], at[i] + Eigen::Vector2d(20, 5)}, false);
        if (together) {
          canvas.dot(at[i]);
        } else {
          canvas.polyline({at[i], at[i] + Eigen::Vector2d(1.0, 0.0)}, false);
        }
      }
    }
    return image;
  };
  EXPECT_TRUE(paint(true) == paint(false));
}

}  // namespace
}  // namespace host::view
