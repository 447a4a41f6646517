#include <fstream>

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QTemporaryDir>

#include "host/view-core/drawing_text.h"
#include "host/view-core/line_weight.h"
#include "host/view/qt_canvas.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// A red line 1.00 mm heavy along y 10 and a thin green one along y 20, at surveyed coordinates.
const std::vector<std::string> kEntities = {
    "0 LINE|8 0|62 1|370 100|10 512300|20 6712310|11 512400|21 6712310",
    "0 LINE|8 0|62 3|370 0|10 512300|20 6712320|11 512400|21 6712320"};
// One of a colour's red, green and blue.
using Channel = int (QColor::*)() const noexcept;
constexpr double kRedLineY = 6712310, kGreenLineY = 6712320, kMiddleX = 512350;

class LineWeightDisplay : public WindowFixture {
 protected:
  // Opens a drawing saved with lineweights shown or not.
  DrawingView* openSaved(bool shown) {
    const std::string path = folder.filePath(shown ? "heavy.dxf" : "thin.dxf").toStdString();
    const std::vector<std::string> header = {shown ? "9 $LWDISPLAY|290 1" : "9 $LWDISPLAY|290 0"};
    std::ofstream(path) << DrawingText{header, {}, {}, {}, kEntities}.text();
    type("open " + QString::fromStdString(path));
    return window->activeView();
  }

  QAction* menuEntry() const {
    for (QAction* action : window->findChildren<QAction*>()) {
      if (action->text() == "&Lineweights") return action;
    }
    return nullptr;
  }

  // How many pixels wide the line of `channel` (a pure colour) along world y is drawn where it
  // crosses the middle of the drawing: each pixel counts by how far it leans from the background
  // to the line's colour, so that smoothing across rows adds up to the stroke's width.
  static double drawnWidth(DrawingView* shown, double y, Channel channel) {
    const QImage image = shown->grab().toImage();
    const QPoint at = shown->widgetPosition({kMiddleX, y, 0});
    const double background = (QtCanvas::background().*channel)();
    double width = 0.0;
    for (int row = at.y() - 12; row <= at.y() + 12; ++row) {
      const QColor pixel = image.pixelColor(at.x(), row);
      width += ((pixel.*channel)() - background) / (255.0 - background);
    }
    return width;
  }

  QTemporaryDir folder;
};

TEST_F(LineWeightDisplay, AHeavyLineIsSeveralPixelsWideWithLineweightsOnAndOneWithThemOff) {
  DrawingView* shown = openSaved(true);
  const double heavy = lineWeightPixels(100, shown->logicalDpiX());
  ASSERT_GE(heavy, 3.0);
  EXPECT_NEAR(drawnWidth(shown, kRedLineY, &QColor::red), heavy, 0.5);
  EXPECT_NEAR(drawnWidth(shown, kGreenLineY, &QColor::green), 1.0, 0.3);

  type("LWT");
  EXPECT_NEAR(drawnWidth(shown, kRedLineY, &QColor::red), 1.0, 0.3);
  EXPECT_NEAR(drawnWidth(shown, kGreenLineY, &QColor::green), 1.0, 0.3);
  type("lwt on");
  EXPECT_NEAR(drawnWidth(shown, kRedLineY, &QColor::red), heavy, 0.5);
}

TEST_F(LineWeightDisplay, StartAsTheDrawingWasSavedAndTheMenuFollowsTheActiveDrawing) {
  QAction* entry = menuEntry();
  ASSERT_NE(entry, nullptr);
  ASSERT_TRUE(entry->isCheckable());
  EXPECT_FALSE(view->lineWeightsShown()) << "a new drawing";
  DrawingView* heavy = openSaved(true);
  EXPECT_TRUE(heavy->lineWeightsShown());
  EXPECT_TRUE(entry->isChecked());
  DrawingView* thin = openSaved(false);
  EXPECT_FALSE(thin->lineWeightsShown());
  EXPECT_FALSE(entry->isChecked());
  window->findChild<QTabWidget*>()->setCurrentWidget(heavy);
  EXPECT_TRUE(entry->isChecked());
}

TEST_F(LineWeightDisplay, TheMenuAndTheCommandSwitchThemWithoutModifyingTheDrawing) {
  DrawingView* shown = openSaved(false);
  QAction* entry = menuEntry();
  ASSERT_NE(entry, nullptr);
  entry->trigger();
  EXPECT_TRUE(shown->lineWeightsShown());
  EXPECT_TRUE(window->commandLine()->history().contains("LWT ON"));
  EXPECT_TRUE(window->commandLine()->history().contains("<Lineweights on>"));
  type("LWT");
  EXPECT_FALSE(shown->lineWeightsShown());
  EXPECT_FALSE(entry->isChecked());
  type("LWT OFF");
  EXPECT_FALSE(shown->lineWeightsShown());
  type("LWT maybe");
  EXPECT_TRUE(window->commandLine()->history().contains("ON or OFF"));
  EXPECT_FALSE(shown->document()->modified());
  EXPECT_FALSE(window->isWindowModified());
}

}  // namespace
}  // namespace host::view
