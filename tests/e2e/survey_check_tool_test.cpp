// The survey check as a user finds it: Tools, "Check survey against design…" in the drawing
// window opens the check window over the open drawing, measuring along its UCSs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <fstream>

#include "check/window/check_window.h"
#include "host/view/drawing_view.h"
#include "host/view/host_window.h"
#include "site_drawing.h"
#include "user_session.h"

namespace e2e {
namespace {

QAction* toolsEntry(host::view::HostWindow& window, const QString& text) {
  for (QAction* menu : window.menuBar()->actions()) {
    if (menu->text() != "&Tools") continue;
    for (QAction* entry : menu->menu()->actions()) {
      if (entry->text().remove('&') == text) return entry;
    }
  }
  return nullptr;
}

TEST(SurveyCheckTool, OpensOverTheDrawingWithItsUcssFirstTheCurrentOne) {
  SiteDrawing site;
  site.ucs.name = "SITE";
  site.ucs.frame = host::geom::Frame::fromDirections({5, -3, 1}, {2, 1, 0.5}, {-1, 2, 1});
  UserSession session;
  writeSiteDrawing(site, session.path("site.dxf").toStdString());

  QStringList choices;
  bool opened = false;
  int decimals = -1;
  session.run({"kestova", session.path("site.dxf")}, [&] {
    QAction* entry = toolsEntry(session.cadWindow(), "Check survey against design…");
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    auto* checkWindow = session.cadWindow().findChild<check::CheckWindow*>();
    ASSERT_NE(checkWindow, nullptr);
    opened = checkWindow->isVisible();
    auto* ucs = checkWindow->findChild<QComboBox*>("ucs");
    ASSERT_NE(ucs, nullptr);
    for (int i = 0; i < ucs->count(); ++i) choices << ucs->itemText(i);
    decimals = checkWindow->findChild<QSpinBox*>("decimals")->value();
    checkWindow->close();
  });
  EXPECT_TRUE(opened);
  EXPECT_EQ(choices, (QStringList{"SITE (current)", "SITE"}));
  EXPECT_EQ(decimals, site.luprec);
}

// Another drawing opened after the check window, and active: the window still names the drawing
// it was opened from and draws into that one; once that drawing is closed it says so and draws
// nowhere.
TEST(SurveyCheckTool, StaysBoundToItsDrawingWhileAnotherIsActive) {
  UserSession session;
  writeSiteDrawing({}, session.path("site.dxf").toStdString());
  writeSiteDrawing({}, session.path("other.dxf").toStdString());
  std::ofstream(session.path("design.csv").toStdString())
      << "Point,Easting,Northing,Elevation\nA,10,20,0\nB,30,20,0\n";
  std::ofstream(session.path("survey.csv").toStdString()) << "A,10.01,20,0\nB,30,20.5,0\n";

  std::size_t drawnIntoSite = 0;
  std::size_t drawnIntoOther = 0;
  QString named;
  QString closed;
  bool drawableOnceClosed = true;
  session.run({"kestova", session.path("site.dxf")}, [&] {
    host::view::HostWindow& cad = session.cadWindow();
    toolsEntry(cad, "Check survey against design…")->trigger();
    auto* checkWindow = cad.findChild<check::CheckWindow*>();
    ASSERT_NE(checkWindow, nullptr);
    host::view::DrawingView* site = cad.activeView();
    ASSERT_TRUE(cad.openFile(session.path("other.dxf")));
    host::view::DrawingView* other = cad.activeView();
    ASSERT_NE(site, other);

    for (const auto& [box, file] : {std::pair{"design", "design.csv"}, {"survey", "survey.csv"}}) {
      auto* path = checkWindow->findChild<QWidget*>(box)->findChild<QLineEdit*>("path");
      path->setText(session.path(file));
      QTest::keyClick(path, Qt::Key_Return);
    }
    auto* checkButton = checkWindow->findChild<QPushButton*>("check");
    checkButton->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return checkButton->isEnabled(); }));
    named = checkWindow->findChild<QLabel*>("drawingTarget")->text();
    checkWindow->findChild<QPushButton*>("drawVectors")->click();
    drawnIntoSite = site->document()->blocks()[0].entities.size();
    drawnIntoOther = other->document()->blocks()[0].entities.size();

    site->document()->undo();  // unmodified, so that closing it asks nothing
    ASSERT_TRUE(cad.closeDrawing(site));
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(checkWindow, &activation);
    closed = checkWindow->findChild<QLabel*>("drawingTarget")->text();
    drawableOnceClosed = checkWindow->findChild<QPushButton*>("drawVectors")->isEnabled();
    checkWindow->close();
  });
  EXPECT_EQ(named, "Draws into: site.dxf");
  EXPECT_GT(drawnIntoSite, 5u);
  EXPECT_EQ(drawnIntoOther, 0u);
  EXPECT_EQ(closed, "The drawing has been closed");
  EXPECT_FALSE(drawableOnceClosed);
}

}  // namespace
}  // namespace e2e
