#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "host/view/window_fixture.h"

namespace host::view {
namespace {

using HelpMenu = WindowFixture;

// The entries of the Help menu as the menu bar shows it; none while it is hidden.
QList<QAction*> helpEntries(HostWindow& window) {
  for (QAction* action : window.menuBar()->actions()) {
    if (action->text() == "&Help" && action->isVisible()) return action->menu()->actions();
  }
  return {};
}

TEST_F(HelpMenu, ShowsOnceItHasEntriesAndTheyShowTheirHelp) {
  EXPECT_TRUE(helpEntries(*window).isEmpty());
  int guides = 0;
  window->addHelpEntry("&User guide", [&guides] { ++guides; });
  window->addHelpEntry("&About Kestova", [] {});
  const QList<QAction*> entries = helpEntries(*window);
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0]->text(), "&User guide");
  EXPECT_EQ(entries[1]->text(), "&About Kestova");
  EXPECT_EQ(window->menuBar()->actions().last()->text(), "&Help");
  entries[0]->trigger();
  EXPECT_EQ(guides, 1);
}

TEST_F(HelpMenu, StaysAtHandWhileAPointRequestWaits) {
  window->addHelpEntry("&User guide", [] {});
  bool enabled = false;
  getPoint([&] {
    const QList<QAction*> entries = helpEntries(*window);
    enabled = !entries.isEmpty() && entries[0]->isEnabled();
    QTest::keyClick(view, Qt::Key_Escape);
  });
  EXPECT_TRUE(enabled);
}

}  // namespace
}  // namespace host::view
