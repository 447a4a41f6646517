#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>

#include "host/geom/vector_near.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

// A line in the world XY plane, seen from the top and zoomed to fit.
class Picking : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    document->ModelSpace()->AddLine({10, 10, 0}, {50, 30, 0});
    view->zoomExtents();
  }
};

TEST_F(Picking, ClickNearALineEndSnapsToIt) {
  const QPoint nearEnd = view->widgetPosition({50, 30, 0}) + QPoint(4, -3);
  const auto picked = getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, nearEnd); });
  ASSERT_TRUE(picked);
  EXPECT_TRUE(vectorNear(*picked, {50, 30, 0}));
  EXPECT_TRUE(window->commandLine()->history().contains("Insert Point 50.0000,30.0000,0.0000"));
}

// The snap points are sorted after the drawing shows: a mouse move before that snaps to
// nothing at once, and the cursor snaps as soon as they are ready, without moving again.
TEST_F(Picking, AMouseMoveBeforeTheSnapPointsAreSortedWaitsForNothing) {
  view->zoomExtents();  // the view changed: the snap points are sorted again
  ASSERT_FALSE(view->snapReady());
  std::vector<std::optional<Eigen::Vector3d>> cursor;
  QObject::connect(view, &DrawingView::cursorMoved,
                   [&](const std::optional<Eigen::Vector3d>& at) { cursor.push_back(at); });
  const QPoint nearEnd = view->widgetPosition({50, 30, 0}) + QPoint(4, -3);
  QMouseEvent move(QEvent::MouseMove, QPointF(nearEnd), view->mapToGlobal(QPointF(nearEnd)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  EXPECT_FALSE(view->snapReady());
  ASSERT_EQ(cursor.size(), 1U);
  ASSERT_TRUE(cursor[0]);
  EXPECT_FALSE(vectorNear(*cursor[0], {50, 30, 0}, 1e-3));

  QTRY_VERIFY(view->snapReady());
  ASSERT_EQ(cursor.size(), 2U);
  ASSERT_TRUE(cursor[1]);
  EXPECT_TRUE(vectorNear(*cursor[1], {50, 30, 0}));
}

// The snap points are sorted on another thread: a click before they are sorted looks at each
// of those found so far, and snaps as a click after would.
TEST_F(Picking, AClickBeforeTheSnapPointsAreSortedSnapsAllTheSame) {
  QTRY_VERIFY(view->snapReady());
  view->zoomExtents();  // the view changed: the snap points are sorted again
  bool readyAtClick = true;
  const QPoint nearEnd = view->widgetPosition({50, 30, 0}) + QPoint(4, -3);
  const auto picked = getPoint([&] {
    readyAtClick = view->snapReady();
    QTest::mouseClick(view, Qt::LeftButton, {}, nearEnd);
  });
  EXPECT_FALSE(readyAtClick);
  ASSERT_TRUE(picked);
  EXPECT_TRUE(vectorNear(*picked, {50, 30, 0}));
  QTRY_VERIFY(view->snapReady());
}

// An edit while the snap points are being sorted leaves those sorted out of date: they are
// sorted again, and the cursor snaps to what the edit added.
TEST_F(Picking, AnEditWhileTheSnapPointsAreSortedIsSnappedToOnceSorted) {
  QTRY_VERIFY(view->snapReady());
  view->zoomExtents();
  const QPoint away(5, 5);
  QMouseEvent move(QEvent::MouseMove, QPointF(away), view->mapToGlobal(QPointF(away)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view, &move);  // asks for the snap points to be sorted
  QCoreApplication::sendPostedEvents(view, QEvent::MetaCall);  // starts sorting them
  ASSERT_FALSE(view->snapReady());
  document->ModelSpace()->AddLine({20, 25, 0}, {30, 12, 0});
  QTRY_VERIFY(view->snapReady());

  std::optional<Eigen::Vector3d> cursor;
  QObject::connect(view, &DrawingView::cursorMoved,
                   [&](const std::optional<Eigen::Vector3d>& at) { cursor = at; });
  for (const Eigen::Vector3d& end : {Eigen::Vector3d(20, 25, 0), Eigen::Vector3d(50, 30, 0)}) {
    const QPoint nearEnd = view->widgetPosition(end) + QPoint(3, 2);
    QMouseEvent near(QEvent::MouseMove, QPointF(nearEnd), view->mapToGlobal(QPointF(nearEnd)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &near);
    ASSERT_TRUE(cursor);
    EXPECT_TRUE(vectorNear(*cursor, end));
  }
}

// Sorting goes on from its own copy of the snap points after the window is gone.
TEST_F(Picking, ClosingTheWindowWhileTheSnapPointsAreSortedIsSafe) {
  QTRY_VERIFY(view->snapReady());
  view->zoomExtents();
  QTest::mouseMove(view, QPoint(5, 5));  // asks for the snap points to be sorted
  QCoreApplication::sendPostedEvents(view, QEvent::MetaCall);  // starts sorting them
  ASSERT_FALSE(view->snapReady());
  window.reset();
  view = nullptr;
  QTest::qWait(20);
  SUCCEED();
}

TEST_F(Picking, ClickAwayFromEverythingGivesThePointOfTheUcsPlaneUnderTheCursor) {
  // A UCS tilted out of the world XY plane, looked at from the south-west.
  type("UCS X 30");
  type("VIEW SWISO");
  const QPoint empty(120, 500);
  const auto picked = getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, empty); });
  ASSERT_TRUE(picked);
  EXPECT_NEAR(drawing->currentUcs().frame.pointToLocal(*picked).z(), 0.0, 1e-9);
  EXPECT_EQ(view->widgetPosition(*picked), empty);
}

TEST_F(Picking, F3TurnsObjectSnapOff) {
  QTest::keyClick(view, Qt::Key_F3);
  EXPECT_FALSE(view->snapEnabled());
  const QPoint nearEnd = view->widgetPosition({50, 30, 0}) + QPoint(4, -3);
  const auto picked = getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, nearEnd); });
  ASSERT_TRUE(picked);
  EXPECT_FALSE(vectorNear(*picked, {50, 30, 0}, 1e-3));
  EXPECT_NEAR(picked->z(), 0.0, 1e-9);
}

// A click that snapped nothing took its height from the elevation: the command line says so,
// so that a point meant to lie on an object is not taken at the wrong height unnoticed.
TEST_F(Picking, AClickThatSnapsNothingSaysWhichElevationItTook) {
  type("ELEVATION -46.222");
  const auto empty = getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(60, 60)); });
  ASSERT_TRUE(empty);
  EXPECT_NEAR(empty->z(), -46.222, 1e-9);
  EXPECT_TRUE(
      window->commandLine()->history().contains("No object snapped: Z = -46.2220 (ELEVATION)"));

  type("LUPREC 3");
  type("ELEVATION 0");
  const QString before = window->commandLine()->history();
  const QPoint nearEnd = view->widgetPosition({50, 30, 0}) + QPoint(4, -3);
  ASSERT_TRUE(getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, nearEnd); }));
  EXPECT_FALSE(window->commandLine()->history().mid(before.size()).contains("No object snapped"));

  ASSERT_TRUE(getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(60, 60)); }));
  EXPECT_TRUE(window->commandLine()
                  ->history()
                  .mid(before.size())
                  .contains("No object snapped: Z = 0.000 (ELEVATION)"));
}

// The UCS of these cases: turned 90 degrees about Z, then moved to world (100, 0, 5), so UCS X
// runs along world Y and UCS Y along world -X.
struct TypedCase {
  const char* typed;
  Eigen::Vector3d world;
};

void PrintTo(const TypedCase& c, std::ostream* out) {
  *out << '"' << c.typed << '"';
}

class TypedPoint : public Picking, public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedPoint, GivesTheWorldPointUnderARotatedUcs) {
  type("UCS Z 90");
  type("UCS ORIGIN *100,0,5");
  // The last point, for relative entries: UCS (1, 1, 0), world (99, 1, 5).
  const auto first = getPoint([&] { type("1,1"); });
  ASSERT_TRUE(first);
  ASSERT_TRUE(vectorNear(*first, {99, 1, 5}));

  const auto picked = getPoint([&] { type(GetParam().typed); }, "Leader to Point ");
  ASSERT_TRUE(picked);
  EXPECT_TRUE(vectorNear(*picked, GetParam().world));
}

INSTANTIATE_TEST_SUITE_P(EveryForm, TypedPoint,
                         testing::Values(TypedCase{"2,3,4", {100 - 3, 2, 5 + 4}},
                                         TypedCase{"2.5,-1", {101, 2.5, 5}},
                                         TypedCase{"*2,3,4", {2, 3, 4}},
                                         TypedCase{"@2,0,0", {99, 3, 5}},
                                         TypedCase{"@0,1,-5", {98, 1, 0}}));

TEST_F(Picking, MalformedEntrySaysWhyAndAsksAgain) {
  const auto picked = getPoint([&] {
    type("2,5mm");
    EXPECT_TRUE(window->pointRequestWaiting());
    EXPECT_EQ(window->commandLine()->prompt(), "Insert Point ");
    type("@1,1");  // no last point yet
    EXPECT_TRUE(window->pointRequestWaiting());
    type("2,5");
  });
  ASSERT_TRUE(picked);
  EXPECT_TRUE(vectorNear(*picked, {2, 5, 0}));
  const QString history = window->commandLine()->history();
  EXPECT_TRUE(history.contains("\"5mm\" is not a number"));
  EXPECT_TRUE(history.contains("no last point"));
}

TEST_F(Picking, EscFailsTheRequestAndLeavesTheDrawingAsItWas) {
  const std::size_t before = entityCount();
  QTimer::singleShot(0, [&] {
    QTest::keyClicks(view, "3,4");
    QTest::keyClick(view, Qt::Key_Escape);
  });
  EXPECT_THROW(document->Utility()->GetPoint(std::nullopt, "Insert Point "), cad::AutomationError);
  EXPECT_EQ(entityCount(), before);
  EXPECT_FALSE(window->pointRequestWaiting());
  EXPECT_EQ(window->commandLine()->prompt(), CommandLine::kCommandPrompt);
}

TEST_F(Picking, ClosingTheDrawingWhileARequestWaitsCancelsIt) {
  window->setSaveQuestion([](const QString&) { return SaveChoice::Discard; });
  const auto picked = getPoint([&] { window->closeDrawing(view); });
  EXPECT_FALSE(picked);
  EXPECT_TRUE(window->views().isEmpty());
  EXPECT_TRUE(application->documents().empty());
}

TEST_F(Picking, ClosingTheWindowWhileARequestWaitsCancelsIt) {
  window->setSaveQuestion([](const QString&) { return SaveChoice::Discard; });
  const auto picked = getPoint([&] { window->close(); });
  EXPECT_FALSE(picked);
  EXPECT_FALSE(window->isVisible());
  // A later request is refused at once rather than waiting for a window that is gone.
  window.reset();
  EXPECT_FALSE(getPoint([] {}));
}

TEST_F(Picking, DestroyingTheWindowWhileARequestWaitsCancelsIt) {
  EXPECT_FALSE(getPoint([&] { window.reset(); }));
}

TEST_F(Picking, TheRequestBringsItsDrawingForward) {
  window->newDrawing();
  ASSERT_NE(window->activeView(), view);
  const auto picked = getPoint([&] {
    EXPECT_EQ(window->activeView(), view);
    type("1,2,3");
  });
  EXPECT_TRUE(picked);
}

}  // namespace
}  // namespace host::view
