#include <optional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>

#include "host/geom/vector_near.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// A line from (10, 10) to (50, 30), then many short lines apart from it: the snap points of so
// many take the window several turns of its events to find.
class SnapWhileFinding : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    document->ModelSpace()->AddLine({10, 10, 0}, {50, 30, 0});
    {
      model::Document::HistoryPause loading(*drawing);
      for (int i = 0; i < 150000; ++i) {
        const Eigen::Vector3d from(100.0 + i % 400 * 0.25, 100.0 + i / 400 * 0.25, 0.0);
        drawing->addEntity(model::BlockTable::kModelSpace,
                           model::Line{from, from + Eigen::Vector3d(0.1, 0.1, 0)});
      }
    }
    view->setPlanView();  // projected afresh: no snap point found yet
  }

  void moveTo(const QPoint& at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), view->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
  }

  QPoint nearLineEnd() const { return view->widgetPosition({50, 30, 0}) + QPoint(4, -3); }
};

// The mouse move gives its point at once, unsnapped; the cursor snaps once the snap points are
// found and sorted, without moving again.
TEST_F(SnapWhileFinding, AMoveRightAfterOpeningSnapsOnceTheSnapPointsAreReady) {
  std::optional<Eigen::Vector3d> cursor;
  QObject::connect(view, &DrawingView::cursorMoved,
                   [&](const std::optional<Eigen::Vector3d>& at) { cursor = at; });
  moveTo(nearLineEnd());
  ASSERT_FALSE(view->snapReady());
  ASSERT_TRUE(cursor);
  EXPECT_FALSE(vectorNear(*cursor, {50, 30, 0}, 1e-3));
  QTRY_VERIFY_WITH_TIMEOUT(view->snapReady(), 60000);
  ASSERT_TRUE(cursor);
  EXPECT_TRUE(vectorNear(*cursor, {50, 30, 0}));
}

// A click while the snap points are still being found snaps to those found so far.
TEST_F(SnapWhileFinding, AClickWhileTheSnapPointsAreFoundSnapsToThoseFoundSoFar) {
  moveTo({5, 5});
  QCoreApplication::sendPostedEvents(view, QEvent::MetaCall);  // finds the first of them
  bool readyAtClick = true;
  const auto picked = getPoint([&] {
    readyAtClick = view->snapReady();
    QTest::mouseClick(view, Qt::LeftButton, {}, nearLineEnd());
  });
  EXPECT_FALSE(readyAtClick);
  ASSERT_TRUE(picked);
  EXPECT_TRUE(vectorNear(*picked, {50, 30, 0}));
}

// Closing the drawing stops finding its snap points; nothing is left to read what is gone.
TEST_F(SnapWhileFinding, ClosingTheWindowWhileTheSnapPointsAreFoundIsSafe) {
  moveTo({5, 5});
  QCoreApplication::sendPostedEvents(view, QEvent::MetaCall);
  ASSERT_FALSE(view->snapReady());
  window.reset();
  view = nullptr;
  drawing.reset();
  QTest::qWait(50);
  SUCCEED();
}

}  // namespace
}  // namespace host::view
