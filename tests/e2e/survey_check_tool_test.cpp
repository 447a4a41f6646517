// The survey check as a user finds it: Tools, "Check survey against design…" in the drawing
// window opens the check window over the open drawing, measuring along its UCSs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QSpinBox>

#include "check/window/check_window.h"
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

}  // namespace
}  // namespace e2e
