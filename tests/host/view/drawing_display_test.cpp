#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "host/view-core/drawing_text.h"
#include "host/view/qt_canvas.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// Layers: Walls red, Off off.
const std::vector<std::string> kLayers = {"0 LAYER|2 Walls|70 0|62 1", "0 LAYER|2 Off|70 0|62 -3"};
// Dashes 10 long, gaps of 5.
const std::vector<std::string> kLineTypes = {
    "0 LTYPE|2 DASHED|70 0|72 65|73 2|40 15|49 10|74 0|49 -5|74 0"};
// A block drawing a line 20 long along its X axis, on layer 0 by block: it takes the insert's
// layer and colour.
const std::vector<std::string> kBlocks = {
    "0 BLOCK|8 0|2 Dash|70 0|10 0|20 0|30 0|0 LINE|8 0|62 0|10 0|20 0|11 20|21 0|0 ENDBLK|8 0"};

// A drawing at surveyed coordinates, 100 by 60 units from (512300, 6712300).
const std::vector<std::string> kEntities = {
    "0 LINE|8 Walls|10 512300|20 6712300|11 512400|21 6712300",            // red, along the foot
    "0 LINE|8 Off|10 512300|20 6712330|11 512400|21 6712330",              // not drawn
    "0 INSERT|8 0|62 3|2 Dash|10 512340|20 6712315|41 1|42 1|43 0",        // green, flattened
    "0 TEXT|8 0|62 4|10 0|20 0|40 6|72 1|11 512350|21 6712345|1 CENTRED",  // cyan
    "0 LINE|8 0|62 2|10 512300|20 6712360|11 512300|21 6712360.001",       // yellow dot
    "0 SOLID|8 0|62 6|10 512380|20 6712310|11 512390|21 6712310|12 512380|22 6712320|13 512390|"
    "23 6712320",                                                          // a magenta square
    "0 LINE|8 0|62 5|6 DASHED|10 512300|20 6712350|11 512400|21 6712350",  // blue, dashed
    "0 HATCH|8 0|62 30|10 0|20 0|30 0|2 SOLID|70 1|71 0|91 1|92 2|72 0|73 1|93 4|10 512360|"
    "20 6712320|10 512370|20 6712320|10 512370|20 6712330|10 512360|20 6712330|97 0|75 0|76 1|"
    "98 0",                                                        // an orange filled square
    "0 TEXT|8 0|62 1|10 512320|20 6712340|40 0.05|1 TINY LABEL"};  // red, far too small to read

class DrawingDisplay : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("site.dxf").toStdString();
    std::ofstream(path) << DrawingText{{}, kLineTypes, kLayers, kBlocks, kEntities}.text();
    type("open " + QString::fromStdString(path));
    ASSERT_EQ(window->views().size(), 2);
    opened = window->activeView();
    image = opened->grab().toImage();
  }

  QPoint at(double x, double y) const { return opened->widgetPosition({x, y, 0}); }

  // Whether a stroke of `colour` passes near `where`: some pixel around it leans from the
  // background towards the colour (strokes are smoothed across neighbouring pixels).
  bool inkNear(const QPoint& where, QColor colour) const {
    const QColor background = QtCanvas::background();
    const Eigen::Vector3d towards(colour.red() - background.red(),
                                  colour.green() - background.green(),
                                  colour.blue() - background.blue());
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const QColor pixel = image.pixelColor(where + QPoint(dx, dy));
        const Eigen::Vector3d away(pixel.red() - background.red(),
                                   pixel.green() - background.green(),
                                   pixel.blue() - background.blue());
        if (away.norm() > 0.3 * towards.norm() &&
            away.normalized().dot(towards.normalized()) > 0.95) {
          return true;
        }
      }
    }
    return false;
  }

  // The columns from the first to the last holding ink of `colour` in rows `top` to `bottom`.
  std::pair<int, int> inkColumns(int top, int bottom, QColor colour) const {
    int first = image.width(), last = -1;
    for (int y = std::max(0, top); y <= std::min(bottom, image.height() - 1); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (inkNear(QPoint(x, y), colour) && image.pixelColor(x, y) != QtCanvas::background()) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
      }
    }
    return {first, last};
  }

  QTemporaryDir folder;
  DrawingView* opened = nullptr;
  QImage image;
};

TEST_F(DrawingDisplay, OpenedDrawingShowsItsExtentsFillingTheView) {
  const QRect area = opened->rect();
  const QPoint lowerLeft = at(512300, 6712300);
  const QPoint upperRight = at(512400, 6712360);
  EXPECT_TRUE(area.contains(lowerLeft)) << lowerLeft.x() << ", " << lowerLeft.y();
  EXPECT_TRUE(area.contains(upperRight)) << upperRight.x() << ", " << upperRight.y();
  // At least most of the width or of the height.
  EXPECT_TRUE(upperRight.x() - lowerLeft.x() > 0.8 * area.width() ||
              lowerLeft.y() - upperRight.y() > 0.8 * area.height());
}

// The program started with a drawing opens it before its window first shows, and the window
// takes its size from the desktop afterwards.
TEST(DrawingDisplayAtStart, DrawingGivenAtStartShowsItsExtentsOnceTheWindowHasItsSize) {
  QTemporaryDir folder;
  const std::filesystem::path path = folder.filePath("site.dxf").toStdString();
  std::ofstream(path) << DrawingText{{}, kLineTypes, kLayers, kBlocks, kEntities}.text();
  auto application = std::make_shared<HostApplication>();
  auto window = openHostWindow(application, OpenDrawing(readDrawingFile(path), path));
  window->resize(1400, 1000);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  DrawingView* view = window->activeView();
  const QPoint lowerLeft = view->widgetPosition({512300, 6712300, 0});
  const QPoint upperRight = view->widgetPosition({512400, 6712360, 0});
  EXPECT_TRUE(view->rect().contains(lowerLeft) && view->rect().contains(upperRight));
  EXPECT_GT(upperRight.x() - lowerLeft.x(), 0.8 * view->width());
}

TEST_F(DrawingDisplay, EntitiesShowInTheirColoursAndHiddenLayersNot) {
  struct Probe {
    const char* what;
    double x, y;
    QColor colour;
    bool drawn;
  };
  const Probe probes[] = {
      {"a line by its layer", 512350, 6712300, Qt::red, true},
      {"a line on an off layer", 512350, 6712330, Qt::red, false},
      {"a flattened insert, by block", 512350, 6712315, Qt::green, true},
      {"the middle of a filled square", 512385, 6712315, Qt::magenta, true},
      {"a dash", 512305, 6712350, Qt::blue, true},
      {"the middle of a solid hatch", 512365, 6712325, QColor(255, 127, 0), true},
      {"the gap after it", 512312.5, 6712350, Qt::blue, false},
      {"a text too small to read, as a line", 512320.2, 6712340.025, Qt::red, true},
  };
  for (const Probe& probe : probes) {
    const QPoint where = at(probe.x, probe.y);
    const bool anyInk = image.pixelColor(where) != QtCanvas::background();
    EXPECT_EQ(probe.drawn ? inkNear(where, probe.colour) : anyInk, probe.drawn) << probe.what;
  }
}

TEST_F(DrawingDisplay, CentredTextIsCentredOnItsAlignmentPoint) {
  const QPoint centre = at(512350, 6712345);
  const int glyph = centre.y() - at(512350, 6712351).y();
  const auto [first, last] = inkColumns(centre.y() - glyph, centre.y(), Qt::cyan);
  ASSERT_LT(first, last);
  EXPECT_NEAR((first + last) / 2.0, centre.x(), 3.0);
  // Wider than a few glyphs: the whole word is drawn.
  EXPECT_GT(last - first, 4 * glyph);
}

}  // namespace
}  // namespace host::view
