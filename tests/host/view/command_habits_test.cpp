// The command line's habits a CAD user's hands expect: repeat, short names, commands that ask
// for their points with a rubber band, zooming by window and back, elevation, the status bar.
#include <deque>
#include <functional>
#include <regex>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "host/geom/vector_near.h"
#include "host/view/window_fixture.h"

namespace host::view {
namespace {

const QColor kRubberBand(255, 255, 160);

// Whether `image` shows `colour` within a pixel of `at` (a one-pixel line rounds either way),
// or with `other`, any colour but that.
bool showsNear(const QImage& image, const QPoint& at, const QColor& colour, bool other = false) {
  for (int dx = -1; dx <= 1; ++dx) {
    for (int dy = -1; dy <= 1; ++dy) {
      if ((image.pixelColor(at + QPoint(dx, dy)) == colour) != other) return true;
    }
  }
  return false;
}

class CommandHabits : public WindowFixture {
 protected:
  // Answers the point requests a command makes, one action per request, in order.
  void answerRequests(std::deque<std::function<void()>> actions) {
    pending_ = std::move(actions);
    answering_.setInterval(1);
    QObject::connect(&answering_, &QTimer::timeout, [this] {
      if (!window->pointRequestWaiting() || pending_.empty()) return;
      auto next = std::move(pending_.front());
      pending_.pop_front();
      next();
    });
    answering_.start();
  }

  std::size_t linesDrawn() const {
    std::size_t count = 0;
    for (const auto& entity : drawing->blocks()[model::BlockTable::kModelSpace].entities) {
      count += std::holds_alternative<model::Line>(entity.data);
    }
    return count;
  }

  QString lastHistoryLine() const { return window->commandLine()->history().split('\n').last(); }

  std::deque<std::function<void()>> pending_;
  QTimer answering_;
};

TEST_F(CommandHabits, AnEmptyLineOrSpaceRepeatsTheLastCommand) {
  type("po 1,1");
  type("");
  QTest::keyClick(view, Qt::Key_Space);
  EXPECT_EQ(entityCount(), 3u);
  type("u");
  EXPECT_EQ(entityCount(), 2u);
  EXPECT_EQ(lastHistoryLine(), "Undo POINT");
}

TEST_F(CommandHabits, LineAsksForPointsWithARubberBandAndIsOneUndoStep) {
  type("luprec 2");
  QImage duringRequest;
  answerRequests({[&] { type("0,0"); },
                  [&] {
                    // The rubber band runs from the first point to the cursor.
                    view->zoomWindow({-10, -10, 0}, {20, 20, 0});
                    QTest::mouseMove(view, view->widgetPosition({10, 10, 0}));
                    duringRequest = view->grab().toImage();
                    type("10,0");
                  },
                  [&] { type("@0,10"); }, [&] { type(""); }});
  type("L");
  EXPECT_EQ(linesDrawn(), 2u);
  EXPECT_FALSE(window->pointRequestWaiting());
  ASSERT_FALSE(duringRequest.isNull());
  const QPoint halfway = view->widgetPosition({5, 5, 0});
  EXPECT_TRUE(showsNear(duringRequest, halfway, kRubberBand));
  EXPECT_FALSE(showsNear(view->grab().toImage(), halfway, kRubberBand))
      << "the rubber band goes with the request";

  type("undo");
  EXPECT_EQ(linesDrawn(), 0u);
  EXPECT_EQ(lastHistoryLine(), "Undo LINE");
}

TEST_F(CommandHabits, ARequestWithoutABasePointShowsNoRubberBand) {
  view->zoomWindow({-10, -10, 0}, {20, 20, 0});
  QImage duringRequest;
  getPoint([&] {
    QTest::mouseMove(view, view->widgetPosition({10, 10, 0}));
    duringRequest = view->grab().toImage();
    type("1,1");
  });
  for (int x = 0; x < duringRequest.width(); x += 3) {
    for (int y = 0; y < duringRequest.height(); y += 3) {
      ASSERT_NE(duringRequest.pixelColor(x, y), kRubberBand) << x << "," << y;
    }
  }
}

// An Insert is one step, yet its first arrow shows while it asks where the next one goes.
TEST_F(CommandHabits, WhatARunningCommandDrewShowsWhileItAsksForTheNextPoint) {
  view->zoomWindow({-10, -10, 0}, {20, 20, 0});
  const QPoint onTheLine = view->widgetPosition({5, 5, 0});
  const QColor empty = view->grab().toImage().pixelColor(onTheLine);
  model::Document::UndoGroup insert(*drawing, "Insert");
  document->ModelSpace()->AddLine({0, 0, 0}, {10, 10, 0});
  QImage duringRequest;
  getPoint([&] {
    duringRequest = view->grab().toImage();
    type("1,1");
  });
  EXPECT_TRUE(showsNear(duringRequest, onTheLine, empty, true));
}

TEST_F(CommandHabits, ZoomWindowShowsTheBoxAndZoomPreviousGoesBack) {
  document->ModelSpace()->AddLine({0, 0, 0}, {100, 50, 0});
  type("z e");
  const QPoint farEnd = view->widgetPosition({100, 50, 0});
  type("zoom window 10,10 20,20");
  const QPoint centre = view->widgetPosition({15, 15, 0});
  EXPECT_NEAR(centre.x(), view->width() / 2, 2);
  EXPECT_NEAR(centre.y(), view->height() / 2, 2);
  EXPECT_FALSE(view->rect().contains(view->widgetPosition({100, 50, 0})));
  type("Z P");
  EXPECT_EQ(view->widgetPosition({100, 50, 0}), farEnd);
  type("view front");
  type("z p");
  EXPECT_EQ(view->widgetPosition({100, 50, 0}), farEnd) << "one step back from a new direction";
}

TEST_F(CommandHabits, AClickInEmptySpaceLiesAtTheElevationInTheUcs) {
  type("ucs origin *1000,2000,3");
  type("elevation 45");
  EXPECT_TRUE(window->settingsText().contains("Elevation 45.0000"));
  EXPECT_TRUE(window->settingsText().contains("Snap on"));
  EXPECT_TRUE(window->settingsText().contains("UCS Unnamed"));
  const auto picked =
      getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(200, 150)); });
  ASSERT_TRUE(picked);
  EXPECT_NEAR(picked->z(), 3 + 45, 1e-9);
  EXPECT_EQ(view->widgetPosition(*picked), QPoint(200, 150));
  type("elevation");
  EXPECT_EQ(lastHistoryLine(), "ELEVATION is 45.0000");
  type("u");
  EXPECT_EQ(drawing->header().elevation, 0.0);
}

TEST_F(CommandHabits, PickedPointsAreEchoedWithTheDrawingsPrecision) {
  type("luprec 3");
  type("ucs x 30");
  type("ucs z 17");
  type("view plan");
  getPoint([&] { QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(310, 220)); });
  // The click in empty space is told as such after its echo.
  const QStringList lines = window->commandLine()->history().split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines.last(), "No object snapped: Z = 0.000 (ELEVATION)");
  const std::string echo = lines[lines.size() - 2].toStdString();
  EXPECT_TRUE(
      std::regex_match(echo, std::regex(R"(Insert Point -?\d+\.\d{3},-?\d+\.\d{3},0\.000)")))
      << echo;
}

TEST_F(CommandHabits, NewEntitiesGoOnTheCurrentLayer) {
  document->ActiveLayer(document->Layers()->Add("Kerbs"));
  type("point 1,1");
  answerRequests({[&] { type("0,0"); }, [&] { type("5,0"); }, [&] { type(""); }});
  type("line");
  const auto& entities = drawing->blocks()[model::BlockTable::kModelSpace].entities;
  ASSERT_EQ(entities.size(), 2u);
  for (const auto& entity : entities) EXPECT_EQ(drawing->layers()[entity.layer].name, "Kerbs");
}

TEST_F(CommandHabits, SaveAsAddsTheExtensionOrAsksForAName) {
  QTemporaryDir folder;
  type("SAVEAS " + folder.filePath("site"));
  EXPECT_TRUE(QFile::exists(folder.filePath("site.dxf")));
  int asked = 0;
  window->setSavePathQuestion([&](const QString&) {
    ++asked;
    return HostWindow::SaveTarget(folder.filePath("other"));
  });
  type("saveas");
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(QFile::exists(folder.filePath("other.dxf")));
}

}  // namespace
}  // namespace host::view
