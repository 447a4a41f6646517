// A pair double-clicked in the check window shows in the drawing window: the view zooms to the
// pair's design and survey points, and the vectors drawn for it look selected until the next
// pair, a click in the drawing or Esc.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <fstream>

#include "check/window/check_window.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
#include "user_session.h"

namespace e2e {
namespace {

using Eigen::Vector3d;
namespace model = host::model;

// Stakes far apart, so that each pair's view shows none of the others.
constexpr const char* kDesign =
    "Point,Easting,Northing,Elevation\nA,1000,2000,10\nB,1300,2000,10\nC,1000,2400,10\n";
constexpr const char* kSurvey = "A,1000.04,2000.03,10.01\nB,1300,2000.5,10\nC,1000.1,2400,10\n";
const Vector3d kDesignA{1000, 2000, 10}, kSurveyA{1000.04, 2000.03, 10.01};
const Vector3d kDesignB{1300, 2000, 10}, kSurveyB{1300, 2000.5, 10};
constexpr QRgb kHighlightBlue = 0xff80c0ff;

class PairFocus : public testing::Test {
 protected:
  void SetUp() override {
    writeSiteDrawing(SiteDrawing{}, session.path("site.dxf").toStdString());
    std::ofstream(session.path("design.csv").toStdString()) << kDesign;
    std::ofstream(session.path("survey.csv").toStdString()) << kSurvey;
  }

  // Opens the check window from the Tools menu and checks the two files.
  check::CheckWindow& checkFiles() {
    for (QAction* menu : session.cadWindow().menuBar()->actions()) {
      if (menu->text() != "&Tools") continue;
      for (QAction* entry : menu->menu()->actions()) {
        if (entry->text().remove('&') == "Check survey against design…") entry->trigger();
      }
    }
    auto* window = session.cadWindow().findChild<check::CheckWindow*>();
    EXPECT_NE(window, nullptr);
    for (const auto& [box, file] : {std::pair{"design", "design.csv"}, {"survey", "survey.csv"}}) {
      auto* path = window->findChild<QWidget*>(box)->findChild<QLineEdit*>("path");
      QTest::keyClicks(path, session.path(file));
      QTest::keyClick(path, Qt::Key_Return);
    }
    auto* check = window->findChild<QPushButton*>("check");
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return check->isEnabled(); }));
    return *window;
  }

  static void doubleClickRow(check::CheckWindow& window, int row) {
    auto* table = window.findChild<QTableView*>("pairs");
    const QModelIndex index = table->model()->index(row, 0);
    table->scrollTo(index);
    const QPoint centre = table->visualRect(index).center();
    // A double-click is a click and then the second press, as the window system sends it.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
  }

  const model::Entity* entity(model::Handle handle) const {
    const auto& entities =
        session.drawingView().document()->blocks()[model::BlockTable::kModelSpace].entities;
    const auto found = std::ranges::find(entities, handle, &model::Entity::handle);
    return found == entities.end() ? nullptr : &*found;
  }

  // The texts of the highlighted entities: the labels and point ids drawn for a pair.
  std::vector<std::string> highlightedTexts() const {
    std::vector<std::string> texts;
    for (const model::Handle handle : session.drawingView().highlighted()) {
      const model::Entity* highlighted = entity(handle);
      if (highlighted == nullptr) continue;
      if (const auto* text = std::get_if<model::Text>(&highlighted->data)) {
        texts.push_back(text->text);
      }
    }
    std::ranges::sort(texts);
    return texts;
  }

  // Every point is in the view, and together they span at least `share` of its width or height.
  void expectFilling(const std::vector<Vector3d>& points, double share) const {
    host::view::DrawingView& view = session.drawingView();
    QRect span;
    for (const Vector3d& point : points) {
      const QPoint at = view.widgetPosition(point);
      EXPECT_TRUE(view.rect().contains(at))
          << point.transpose() << " shows at " << at.x() << "," << at.y();
      span = span.isNull() ? QRect(at, at) : span.united(QRect(at, at));
    }
    EXPECT_TRUE(span.width() >= share * view.width() || span.height() >= share * view.height())
        << "the points span " << span.width() << "x" << span.height() << " pixels of "
        << view.width() << "x" << view.height();
  }

  // Where the highlighted entities lie (world): the ends of the leaders, the insertion points of
  // the arrows, and each label's baseline at least half a text height a letter long.
  std::vector<Vector3d> highlightedPoints() const {
    std::vector<Vector3d> points;
    for (const model::Handle handle : session.drawingView().highlighted()) {
      const model::Entity* highlighted = entity(handle);
      if (highlighted == nullptr) continue;
      if (const auto* line = std::get_if<model::Line>(&highlighted->data)) {
        points.insert(points.end(), {line->start, line->end});
      } else if (const auto* text = std::get_if<model::Text>(&highlighted->data)) {
        const double length = 0.5 * text->height * static_cast<double>(text->text.size());
        points.insert(points.end(), {text->placement * Vector3d::Zero(),
                                     text->placement * Vector3d(length, text->height, 0)});
      } else if (const auto* arrow = std::get_if<model::BlockReference>(&highlighted->data)) {
        points.push_back(arrow->placement * Vector3d::Zero());
      }
    }
    return points;
  }

  // How many pixels of the drawing view show in the light blue of selected entities.
  int highlightPixels() const {
    const QImage image = session.drawingView().grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == kHighlightBlue;
    }
    return count;
  }

  UserSession session;
};

TEST_F(PairFocus, ADrawnPairFillsTheViewAndOnlyItsVectorsAreHighlighted) {
  struct Case {
    int row;
    Vector3d design, surveyed;
    std::string id, otherId;
  };
  session.run({"kestova", session.path("site.dxf")}, [&] {
    check::CheckWindow& window = checkFiles();
    window.findChild<QPushButton*>("drawVectors")->click();
    for (const Case& pair :
         {Case{0, kDesignA, kSurveyA, "A", "B"}, Case{1, kDesignB, kSurveyB, "B", "A"},
          Case{0, kDesignA, kSurveyA, "A", "B"}}) {
      SCOPED_TRACE(pair.id);
      doubleClickRow(window, pair.row);
      const std::vector<std::string> texts = highlightedTexts();
      EXPECT_TRUE(std::ranges::binary_search(texts, pair.id));
      EXPECT_FALSE(std::ranges::binary_search(texts, pair.otherId));
      std::vector<Vector3d> shown = highlightedPoints();
      EXPECT_GE(shown.size(), 4u);
      shown.push_back(pair.design);
      shown.push_back(pair.surveyed);
      expectFilling(shown, 0.5);
    }
    session.pressEsc();
    EXPECT_TRUE(session.drawingView().highlighted().empty());
    window.close();
  });
}

TEST_F(PairFocus, APairNeverDrawnIsZoomedToWithNothingHighlighted) {
  session.run({"kestova", session.path("site.dxf")}, [&] {
    check::CheckWindow& window = checkFiles();
    doubleClickRow(window, 1);
    expectFilling({kDesignB, kSurveyB}, 0.5);
    EXPECT_TRUE(session.drawingView().highlighted().empty());
    window.close();
  });
}

TEST_F(PairFocus, AClickInTheDrawingEndsTheHighlight) {
  session.run({"kestova", session.path("site.dxf")}, [&] {
    check::CheckWindow& window = checkFiles();
    window.findChild<QPushButton*>("drawVectors")->click();
    doubleClickRow(window, 0);
    EXPECT_FALSE(session.drawingView().highlighted().empty());
    EXPECT_GT(highlightPixels(), 0);
    QTest::mouseClick(&session.drawingView(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(session.drawingView().highlighted().empty());
    EXPECT_EQ(highlightPixels(), 0);
    window.close();
  });
}

TEST_F(PairFocus, ADoubleClickAfterTheDrawingIsClosedChangesNoOtherDrawing) {
  session.run({"kestova", session.path("site.dxf")}, [&] {
    check::CheckWindow& window = checkFiles();
    window.findChild<QPushButton*>("drawVectors")->click();
    host::view::HostWindow& cad = session.cadWindow();
    cad.newDrawing();
    host::view::DrawingView* other = cad.activeView();
    ASSERT_TRUE(cad.closeDrawing(cad.views().front()));
    const host::view::ViewProjection before = other->projection();
    doubleClickRow(window, 0);
    EXPECT_EQ(other->projection().scale(), before.scale());
    EXPECT_EQ(other->projection().centre(), before.centre());
    EXPECT_TRUE(other->highlighted().empty());
    window.close();
  });
}

}  // namespace
}  // namespace e2e
