#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "host/view/drawing_view.h"

// The window keeps the painted drawing between repaints. Whatever happened since (markers,
// changes, undo, highlights, zooms), what it shows must be what a view painting everything
// afresh shows, pixel for pixel.
namespace host::view {
namespace {

using Eigen::Vector3d;
using model::BlockTable;

class DrawingImageTest : public testing::Test {
 protected:
  void SetUp() override {
    document = std::make_shared<model::Document>();
    for (int i = 0; i < 20; ++i) {
      const Vector3d from(512300 + 5 * i, 6712300, 45);
      document->addEntity(BlockTable::kModelSpace, model::Line{from, from + Vector3d(3, 40, 0)});
    }
    worked = open();
  }

  std::unique_ptr<DrawingView> open() const {
    auto view = std::make_unique<DrawingView>(std::make_shared<OpenDrawing>(document, 1));
    view->resize(400, 300);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->zoomWindow({512290, 6712290, 45}, {512410, 6712350, 45});
    return view;
  }

  void moveTo(DrawingView& view, const Vector3d& world) const {
    QTest::mouseMove(&view, view.widgetPosition(world));
    view.repaint();
  }

  // What the view shows now, and what a new view of the same drawing and zoom shows.
  void expectAsPaintedAfresh(const char* after) const {
    QTest::mouseMove(worked.get(), QPoint(1, 1));  // no marker over the drawing
    const QImage shown = worked->grab().toImage();
    const QImage afresh = open()->grab().toImage();
    EXPECT_TRUE(shown == afresh) << "after " << after;
  }

  std::shared_ptr<model::Document> document;
  std::unique_ptr<DrawingView> worked;
};

TEST_F(DrawingImageTest, ShowsWhatAFullRepaintShowsAfterEveryKindOfChange) {
  moveTo(*worked, {512300, 6712300, 45});
  moveTo(*worked, {512305, 6712300, 45});
  expectAsPaintedAfresh("moving over snap points");

  {
    model::Document::UndoGroup step(*document, "LINE");
    document->addEntity(BlockTable::kModelSpace,
                        model::Line{{512300, 6712345, 45}, {512400, 6712345, 45}});
  }
  expectAsPaintedAfresh("adding a line");
  document->undo();
  expectAsPaintedAfresh("undoing it");
  document->redo();
  expectAsPaintedAfresh("redoing it");

  {
    // As the dialog's Insert draws: a block of arrows, its label and a bubble, over the lines.
    model::Document::UndoGroup step(*document, "Insert");
    const auto block = document->addBlock("Arrow", Vector3d::Zero());
    document->addEntity(block, model::Polyline3d{{{0, 0, 0}, {6, 0, 0}, {4, 1, 0}}, true});
    const Eigen::Affine3d place(Eigen::Translation3d(512330, 6712320, 45));
    document->addEntity(BlockTable::kModelSpace, model::BlockReference{block, place});
    document->addEntity(BlockTable::kModelSpace, model::Text{"0.012", place, 3.0, 0});
    document->addEntity(BlockTable::kModelSpace, model::Circle{{512360, 6712330, 45}, 4.0});
  }
  expectAsPaintedAfresh("an insert");
  {
    model::Document::UndoGroup step(*document, "Insert");
    const Eigen::Affine3d place(Eigen::Translation3d(512340, 6712310, 45));
    document->addEntity(BlockTable::kModelSpace, model::Text{"-0.004", place, 3.0, 0});
  }
  expectAsPaintedAfresh("a second insert into the same block's drawing");
  document->undo();
  expectAsPaintedAfresh("undoing the second insert");

  const model::Handle first = document->blocks()[BlockTable::kModelSpace].entities[0].handle;
  worked->setHighlighted(first, true);
  worked->repaint();
  worked->clearHighlight();
  expectAsPaintedAfresh("a highlight shown and cleared");

  worked->setLineWeightsShown(true);
  worked->repaint();
  worked->setLineWeightsShown(false);
  expectAsPaintedAfresh("lineweights shown and hidden");

  worked->zoomExtents();
  worked->repaint();
  ASSERT_TRUE(worked->zoomPrevious());
  expectAsPaintedAfresh("zooming out and back");
}

// Panning moves the kept image and paints only what came into view. A step that moves by a
// fraction of a pixel or that uncovers everything paints it all.
TEST_F(DrawingImageTest, APanShowsWhatAFullRepaintShows) {
  const std::vector<QPoint> steps = {{7, 0}, {0, -5}, {-13, 9}, {120, 3}, {-2, -150}, {500, 0}};
  const auto pan = [&](DrawingView& view, bool repaintEachStep) {
    QPoint at(200, 150);
    QTest::mousePress(&view, Qt::MiddleButton, {}, at);
    for (const QPoint& step : steps) {
      at += step;
      QTest::mouseMove(&view, at);
      if (repaintEachStep) view.repaint();
    }
    QTest::mouseRelease(&view, Qt::MiddleButton, {}, at);
    QTest::mouseMove(&view, QPoint(1, 1));
  };
  worked->repaint();
  pan(*worked, true);
  const auto fresh = open();
  pan(*fresh, false);
  // The same pixels, but for the smoothing of lines that the old view cut at its edge, which
  // starts where the line was cut: a few levels of 255 at most.
  const QImage shown = worked->grab().toImage();
  const QImage afresh = fresh->grab().toImage();
  ASSERT_EQ(shown.size(), afresh.size());
  int largest = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb a = shown.pixel(x, y);
      const QRgb b = afresh.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
    }
  }
  EXPECT_LE(largest, 6);
}

TEST_F(DrawingImageTest, AChangeShowsAtOnce) {
  const QImage before = worked->grab().toImage();
  document->addEntity(BlockTable::kModelSpace,
                      model::Line{{512300, 6712345, 45}, {512400, 6712345, 45}});
  EXPECT_FALSE(worked->grab().toImage() == before);
  expectAsPaintedAfresh("a change");
}

}  // namespace
}  // namespace host::view
